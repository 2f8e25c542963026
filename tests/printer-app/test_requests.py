"""Requests that reach the application without a browser: forged and malformed posts to a
maintenance page, which must send nothing, and command files (application/vnd.cups-command),
which follow the CUPS command filter's rules: each command sends the library's stream or nothing.

Environment: with_printer_app.sh's, QZ_DLL_STREAMS_DIR and QZ_WORK. Runs on the test-models
variant of the program."""
import os
import unittest
from pathlib import Path

from app_session import App, PageClient, kept_stream, outcome

WORK = Path(os.environ['QZ_WORK'])
PRINTERS = {'align1': 'test-align1', 'align4': 'test-align4', 'kestrel': 'kestrel-410'}
VALID_CHOICE = {'action': 'SetAlignment', 'A': '3', 'B': '2', 'C': '4', 'D': '1', 'E': '5'}


def without(fields, name):
    return {key: value for key, value in fields.items() if key != name}


# (label, printer, fields without the token, whether the page's token goes with them)
FORGED = [
    ('no token', 'align1', {'action': 'Clean', 'level': '1'}, False),
    ('unknown action', 'align1', {'action': 'Frobnicate'}, True),
    ('no action', 'align1', {'level': '1'}, True),
    ('action in other case', 'align1', {'action': 'clean', 'level': '1'}, True),
    ('level 0', 'align1', {'action': 'Clean', 'level': '0'}, True),
    ('level 4', 'align1', {'action': 'Clean', 'level': '4'}, True),
    ('level not a number', 'align1', {'action': 'Clean', 'level': 'two'}, True),
    ('pattern 6', 'align1', dict(VALID_CHOICE, A='6'), True),
    ('pattern 0', 'align1', dict(VALID_CHOICE, C='0'), True),
    ('two characters', 'align1', dict(VALID_CHOICE, B='22'), True),
    ('missing group', 'align1', without(VALID_CHOICE, 'E'), True),
    ('not offered by the model', 'align1', {'action': 'PrintSelfTestPage'}, True),
    ('alignment on a model without it', 'kestrel', dict(VALID_CHOICE), True),
]

# (printer, lines after #CUPS-COMMAND, job options, the kept stream that must reach the device
# or None for nothing)
COMMAND_FILES = [
    ('kestrel', 'Clean all', [], 'kestrel-clean'),
    ('kestrel', 'PrintSelfTestPage', [], 'kestrel-self-test'),
    ('kestrel', 'Frobnicate\n# comment\n\nPrintSelfTestPage', [], 'kestrel-self-test'),
    ('kestrel', 'PrintAlignmentPage 1', [], None),
    ('kestrel', 'Clean purple', [], None),
    ('kestrel', '', [], None),
    ('kestrel', 'x' * 1000, [], None),
    ('align1', 'Clean color', ['qz-clean-level=2'], 'align1-clean-level2'),
    ('align1', 'PrintAlignmentPage 1', [], 'align1-alignment-page'),
    ('align1', 'setalignment 1 e5 d1 c4 b2 a3', [], 'align1-set-alignment'),
    ('align1', 'SetAlignment 1 A3 B2 C4 D1', [], None),
    ('align1', 'SetAlignment 1 A3 A2 C4 D1 E5', [], None),
    ('align1', 'PrintSelfTestPage', [], None),
    ('align4', 'Clean all', ['qz-clean-level=3'], 'align4-clean-level3'),
    ('align4', 'SetAlignment 1 A5 B1 C3 D3 E2', [], 'align4-set-alignment'),
]


class Requests(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.app = App()
        for name, driver in PRINTERS.items():
            cls.app.add_printer(name, driver)

    def test_forged_and_malformed_posts_send_nothing(self):
        self.app.new_device_bytes()
        for label, printer, fields, with_token in FORGED:
            with self.subTest(label):
                client = PageClient(self.app.page_url(printer))
                token = {'session': client.token()} if with_token else {}
                state, reason = outcome(client.post(dict(fields, **token)))
                self.assertEqual(state, 'refused', reason)
        wrong = PageClient(self.app.page_url('align1'))
        state, _ = outcome(wrong.post({'session': 'f' * 64, 'action': 'Clean', 'level': '1'}))
        self.assertEqual(state, 'refused', 'a token of the right form but not the page\'s')
        # The same page takes the post with its token: the refusals above are the checks', not the form's.
        state, job = outcome(wrong.post(dict(VALID_CHOICE, session=wrong.token())))
        self.assertEqual(state, 'sent')
        self.assertEqual(self.app.wait_for_jobs('align1', [job]), {job: 'completed'})
        self.assertEqual(self.app.new_device_bytes(), kept_stream('align1-set-alignment'))

    def test_command_files_send_the_librarys_stream_or_nothing(self):
        self.app.new_device_bytes()
        for number, (printer, lines, options, stream) in enumerate(COMMAND_FILES):
            with self.subTest(printer=printer, lines=lines[:40], options=options):
                path = WORK / f'command-{number}.txt'
                path.write_text(f'#CUPS-COMMAND\n{lines}\n')
                job = self.app.submit(printer, path, *options)
                self.assertEqual(self.app.wait_for_jobs(printer, [job]), {job: 'completed'})
                self.assertEqual(self.app.new_device_bytes(), kept_stream(stream) if stream else b'')


if __name__ == '__main__':
    unittest.main(verbosity=2)
