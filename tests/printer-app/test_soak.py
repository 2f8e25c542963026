"""A soak of the application: 200 jobs, page posts, command files and documents mixed, from
several clients at once. Every job's stream must reach the device whole and in job order, and
the application's resident memory must not grow between the first 50 jobs and all 200.

Environment: with_printer_app.sh's, QZ_DLL_STREAMS_DIR, QZ_MAKE_PAGE, QZ_RASTERTOQZ and QZ_WORK;
runs on the shipped program."""
import os
import subprocess
import unittest
from concurrent.futures import ThreadPoolExecutor
from pathlib import Path

from app_session import App, PageClient, kept_stream, outcome

WORK = Path(os.environ['QZ_WORK'])
PRINTER = 'soak'
JOBS, FIRST, CLIENTS = 200, 50, 4
# Resident memory may move by allocator noise and PAPPL's bounded job history, not by the jobs.
GROWTH_ALLOWED_KIB = 2048
# Each kind of request: how it is sent, and the stream it must send.
# A document's stream is what the CUPS raster filter writes for the same page.
KINDS = [('page', {'action': 'Clean', 'level': '1'}, 'kestrel-clean'),
         ('page', {'action': 'PrintSelfTestPage'}, 'kestrel-self-test'),
         ('command', 'Clean all', 'kestrel-clean'),
         ('document', 'page.pwg', 'document'),
         ('command', 'PrintSelfTestPage', 'kestrel-self-test')]


def document_stream():
    subprocess.run([os.environ['QZ_MAKE_PAGE'], str(WORK)], check=True)
    return subprocess.run([os.environ['QZ_RASTERTOQZ'], '1', 'user', 'page', '1', '', str(WORK / 'page.ras')],
                          capture_output=True, check=True).stdout


class Soak(unittest.TestCase):
    def setUp(self):
        self.streams = {'document': document_stream()}
        self.app = App()
        self.app.add_printer(PRINTER, 'kestrel-410')
        self.page = PageClient(self.app.page_url(PRINTER))

    def send(self, number):
        """Sends the request number and, as a person or CUPS does, waits until its job has ended;
        its job id and the kept stream it must send."""
        how, what, stream = KINDS[number % len(KINDS)]
        if how == 'page':
            state, job = outcome(self.page.post(dict(what, session=self.page.token())))
            self.assertEqual(state, 'sent', job)
        elif how == 'document':
            job = self.app.submit(PRINTER, WORK / what)
        else:
            path = WORK / f'soak-{number}.txt'
            path.write_text(f'#CUPS-COMMAND\n{what}\n')
            job = self.app.submit(PRINTER, path)
        self.app.wait_for_jobs(PRINTER, [job])
        return job, stream

    def run_jobs(self, numbers):
        with ThreadPoolExecutor(CLIENTS) as clients:
            sent = list(clients.map(self.send, numbers))
        ids = [job for job, _ in sent]
        states = self.app.wait_for_jobs(PRINTER, ids, seconds=300)
        self.assertEqual(set(states.values()), {'completed'}, states)
        return sent

    def test_every_job_reaches_the_device_and_memory_stays_flat(self):
        self.app.new_device_bytes()
        sent = self.run_jobs(range(FIRST))
        after_first = self.app.resident_kib()
        sent += self.run_jobs(range(FIRST, JOBS))
        after_all = self.app.resident_kib()
        expected = b''.join(self.streams.get(stream) or kept_stream(stream) for _, stream in sorted(sent))
        received = self.app.new_device_bytes()
        self.assertEqual(len(sent), JOBS)
        self.assertEqual(len(received), len(expected))
        self.assertTrue(received == expected, 'the device received the streams out of order or changed')
        print(f'resident memory: {after_first} KiB after {FIRST} jobs, {after_all} KiB after {JOBS}')
        self.assertLessEqual(after_all - after_first, GROWTH_ALLOWED_KIB)


if __name__ == '__main__':
    unittest.main(verbosity=2)
