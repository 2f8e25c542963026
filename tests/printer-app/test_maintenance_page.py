"""The maintenance pages in a real browser (headless Chromium through Selenium): every action of
every model the program carries is clicked as a person would, and each job that reaches the
device must be the stream the Windows library sends after the same answers in its dialogs.
Actions whose answers the library's kept streams do not cover are compared with the same
request sent as a command file. Screenshots of the page in English and Norwegian and of the
alignment choice go to QZ_SCREENSHOTS.

Environment: with_printer_app.sh's, and QZ_VARIANT (shipped or testmodels), QZ_DLL_STREAMS_DIR,
QZ_SCREENSHOTS; the browser's profiles and the command files go to QZ_WORK."""
import os
import re
import signal
import unittest
from collections import namedtuple
from pathlib import Path

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support import expected_conditions
from selenium.webdriver.support.ui import WebDriverWait

from app_session import App, kept_stream, outcome

WATCHDOG_SECONDS = 420
# A click, the patterns chosen after it (the alignment choice), and where each job's expected
# stream comes from, in job order: a kept stream's name, or (command line, cleaning level).
Row = namedtuple('Row', 'driver button picks expected')
ROWS = {
    'shipped': [
        Row('kestrel-410', 'qz-clean-1', None, ['kestrel-clean']),
        Row('kestrel-410', 'qz-self-test', None, ['kestrel-self-test']),
    ],
    'testmodels': [
        Row('test-align1', 'qz-clean-1', None, ['align1-clean-level1']),
        Row('test-align1', 'qz-clean-2', None, ['align1-clean-level2']),
        Row('test-align1', 'qz-clean-3', None, [('Clean all', 3)]),
        Row('test-align1', 'qz-alignment-page', 'A3 B2 C4 D1 E5', ['align1-alignment-page', 'align1-set-alignment']),
        Row('test-align2', 'qz-clean-1', None, [('Clean all', 1)]),
        Row('test-align2', 'qz-clean-2', None, ['align2-clean-level2']),
        Row('test-align2', 'qz-clean-3', None, [('Clean all', 3)]),
        Row('test-align2', 'qz-self-test', None, ['align2-self-test']),
        Row('test-align2', 'qz-alignment-page', None, ['align2-alignment-page']),
        Row('test-align3', 'qz-clean-1', None, ['align3-clean']),
        Row('test-align3', 'qz-self-test', None, ['align3-self-test']),
        Row('test-align3', 'qz-alignment-page', 'A1 B5 C2 D4 E1', ['align3-alignment-page', 'align3-set-alignment']),
        Row('test-align4', 'qz-clean-1', None, [('Clean all', 1)]),
        Row('test-align4', 'qz-clean-2', None, [('Clean all', 2)]),
        Row('test-align4', 'qz-clean-3', None, ['align4-clean-level3']),
        Row('test-align4', 'qz-alignment-page', 'A5 B1 C3 D3 E2', ['align4-alignment-page', 'align4-set-alignment']),
        Row('test-unsupported', 'qz-clean-1', None, ['unknown-clean-level1']),
        Row('test-unsupported', 'qz-clean-2', None, [('Clean all', 2)]),
        Row('test-unsupported', 'qz-clean-3', None, [('Clean all', 3)]),
    ],
}
TEST_PAGE = Path(__file__).resolve().parents[2] / 'resources' / 'jobs' / 'job144.prn'  # stored job 144
SCREENSHOT_PRINTER = {'shipped': 'kestrel-410', 'testmodels': 'test-align3'}
VARIANT = os.environ.get('QZ_VARIANT', 'shipped')
WORK = Path(os.environ['QZ_WORK'])


def browser(language):
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    for flag in ('--headless=new', '--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
                 '--disable-component-update', '--disable-sync', '--window-size=1100,1500', f'--lang={language}',
                 f'--user-data-dir={WORK / ("profile-" + language)}'):
        options.add_argument(flag)
    options.add_experimental_option('prefs', {'intl.accept_languages': language})
    driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
    driver.set_page_load_timeout(60)
    return driver


def expected_buttons(driver_name):
    buttons = set()
    for row in ROWS[VARIANT]:
        if row.driver == driver_name:
            buttons |= {row.button} | ({'qz-set-alignment'} if row.picks else set())
    return buttons


class MaintenancePage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        signal.signal(signal.SIGALRM, lambda *_: (_ for _ in ()).throw(TimeoutError('the browser test ran too long')))
        signal.alarm(WATCHDOG_SECONDS)
        cls.app = App()
        cls.drivers = sorted({row.driver for row in ROWS[VARIANT]})
        for name in cls.drivers:
            cls.app.add_printer(name, name)
        cls.browsers = {}
        for language in ('en', 'nb'):
            cls.browsers[language] = browser(language)

    @classmethod
    def tearDownClass(cls):
        for driver in cls.browsers.values():
            pid = driver.service.process.pid
            driver.quit()
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        signal.alarm(0)

    def click(self, button_id, language='en'):
        """Clicks a button of the page and waits for the page its post answers with; the job made."""
        browser = self.browsers[language]
        button = browser.find_element(By.ID, button_id)
        button.click()
        WebDriverWait(browser, 30).until(expected_conditions.staleness_of(button))
        state, job = outcome(browser.page_source)
        self.assertEqual(state, 'sent', job)
        return job

    def reference(self, printer, source):
        """The stream a job must carry: kept by the library, or what a command file sends."""
        if isinstance(source, str):
            return kept_stream(source)
        line, level = source
        path = WORK / f'{printer}-{level}.command'
        path.write_text(f'#CUPS-COMMAND\n{line}\n')
        job = self.app.submit(printer, path, f'qz-clean-level={level}')
        self.assertEqual(self.app.wait_for_jobs(printer, [job]), {job: 'completed'})
        return self.app.new_device_bytes()

    def check_job(self, printer, job, source):
        self.assertEqual(self.app.wait_for_jobs(printer, [job]), {job: 'completed'})
        received = self.app.new_device_bytes()
        expected = self.reference(printer, source)
        self.assertTrue(expected, f'no reference stream for {source}')
        self.assertEqual(len(received), len(expected), f'{source}: bytes received')
        self.assertEqual(received, expected, f'{source}: the stream differs')

    def test_1_every_action_sends_the_librarys_stream(self):
        self.app.new_device_bytes()
        for row in ROWS[VARIANT]:
            with self.subTest(driver=row.driver, button=row.button, picks=row.picks):
                self.browsers['en'].get(self.app.page_url(row.driver))
                # As a person would: the patterns are chosen once the pattern page has printed.
                self.check_job(row.driver, self.click(row.button), row.expected[0])
                if row.picks:
                    choice = self.browsers['en'].find_element(By.ID, 'qz-alignment-choice')
                    self.assertIsNotNone(choice.get_attribute('open'), 'the choice opens once the page is printed')
                    for pick in row.picks.split():
                        self.browsers['en'].find_element(By.ID, f'qz-{pick}').click()
                    self.check_job(row.driver, self.click('qz-set-alignment'), row.expected[1])

    def test_1b_print_test_page_sends_the_librarys_test_page(self):
        """PAPPL's "Print Test Page" on the printer's own page: the stored test page, as stored."""
        printer = SCREENSHOT_PRINTER[VARIANT]
        browser = self.browsers['en']
        browser.get(f'{self.app.url}/{printer}')
        self.app.new_device_bytes()
        button = browser.find_element(By.CSS_SELECTOR, 'input[value="Print Test Page"]')
        button.click()
        WebDriverWait(browser, 30).until(expected_conditions.staleness_of(button))
        job = max(self.app.job_states(printer))
        self.assertEqual(self.app.wait_for_jobs(printer, [job]), {job: 'completed'})
        self.assertEqual(self.app.new_device_bytes(), TEST_PAGE.read_bytes())

    def test_2_each_page_offers_exactly_the_actions_exercised(self):
        for name in self.drivers:
            with self.subTest(driver=name):
                self.browsers['en'].get(self.app.page_url(name))
                shown = {element.get_attribute('id') for element in
                         self.browsers['en'].find_elements(By.CSS_SELECTOR, 'button[id^="qz-"]')}
                self.assertEqual(shown, expected_buttons(name))

    def test_3_the_page_speaks_the_browsers_language(self):
        folder = Path(os.environ['QZ_SCREENSHOTS'])
        folder.mkdir(parents=True, exist_ok=True)
        printer = SCREENSHOT_PRINTER[VARIANT]
        for language, heading in (('en', 'Clean the print heads'), ('nb', 'Rens skrivehodene')):
            with self.subTest(language=language):
                page = self.browsers[language]
                page.get(self.app.page_url(printer))
                self.assertIn(heading, page.find_element(By.TAG_NAME, 'h2').text)
                page.save_screenshot(str(folder / f'printer-app-{VARIANT}-maintenance-{language}.png'))
        if any(row.picks for row in ROWS[VARIANT]):
            page = self.browsers['nb']
            job = self.click('qz-alignment-page', 'nb')
            choice = page.find_element(By.ID, 'qz-alignment-choice')
            self.assertIn('Velg det mønsteret som er best justert i hvert sett', choice.text)
            page.execute_script('arguments[0].scrollIntoView()', choice)
            page.save_screenshot(str(folder / f'printer-app-{VARIANT}-alignment-choice-nb.png'))
            self.app.wait_for_jobs(printer, [job])


if __name__ == '__main__':
    unittest.main(verbosity=2)
