"""The application started by with_printer_app.sh, as the tests talk to it: its sub-commands,
its printers' maintenance pages, the jobs of a printer, what reached the device, and the
library's kept streams (tests/common/dll_streams.h names them)."""
import os
import re
import shlex
import subprocess
import time
import urllib.parse
import urllib.request
from pathlib import Path

JOB_ENDS = ('completed', 'aborted', 'canceled')
BUSY = 'Currently printing another job'  # PAPPL's server-error-busy


def kept_stream(name):
    return (Path(os.environ['QZ_DLL_STREAMS_DIR']) / f'{name}.prn').read_bytes()


class App:
    def __init__(self):
        self.url = os.environ['QZ_APP_URL']
        self.cli = shlex.split(os.environ['QZ_APP_CLI'])
        self.device_uri = os.environ['QZ_DEVICE_URI']
        self.device_dir = Path(os.environ['QZ_DEVICE_DIR'])
        self.pid = int(os.environ['QZ_APP_PID'])
        self._seen = 0

    def run(self, *args, stdin=None):
        return subprocess.run(self.cli + list(args), input=stdin, capture_output=True, check=True, timeout=60,
                              text=True).stdout

    # Every sub-command names the server by its URI: without one, a sub-command that finds no
    # server starts one of its own, which no test would stop.
    def ipp_uri(self, path):
        return self.url.replace('http:', 'ipp:', 1) + path

    def add_printer(self, name, driver):
        self.run('add', '-u', self.ipp_uri('/ipp/system'), '-d', name, '-m', driver, '-v', self.device_uri)

    def page_url(self, printer):
        return f'{self.url}/{printer}/maintenance'

    def submit(self, printer, path, *options, seconds=60):
        """Submits a file as a job, as IPP clients do: again while the printer answers that it is
        busy with another job; the job's id."""
        args = ['submit', '-u', self.ipp_uri(f'/ipp/print/{printer}')]
        for option in options:
            args += ['-o', option]
        deadline = time.monotonic() + seconds
        while True:
            done = subprocess.run(self.cli + args + [str(path)], capture_output=True, timeout=60, text=True)
            if done.returncode == 0:
                return int(done.stdout.strip())
            if BUSY not in done.stderr or time.monotonic() > deadline:
                raise RuntimeError(f'submit failed: {done.stderr}')
            time.sleep(0.02)

    def job_states(self, printer):
        states = {}
        for line in self.run('jobs', '-u', self.ipp_uri(f'/ipp/print/{printer}')).splitlines():
            fields = line.split()
            if len(fields) >= 2 and fields[0].isdigit():
                states[int(fields[0])] = fields[1]
        return states

    def wait_for_jobs(self, printer, ids, seconds=60):
        """Waits until every job has ended; their states."""
        deadline = time.monotonic() + seconds
        while True:
            states = self.job_states(printer)
            if all(states.get(job) in JOB_ENDS for job in ids) or time.monotonic() > deadline:
                return {job: states.get(job) for job in ids}
            time.sleep(0.05)

    def new_device_bytes(self):
        """The bytes of the connections the device has had since the last call, joined."""
        files = sorted(self.device_dir.glob('connection-*.prn'))
        data = b''.join(path.read_bytes() for path in files[self._seen:])
        self._seen = len(files)
        return data

    def resident_kib(self):
        status = Path(f'/proc/{self.pid}/status').read_text()
        return int(re.search(r'^VmRSS:\s+(\d+) kB', status, re.M).group(1))


class PageClient:
    """Posts to a maintenance page as its own forms do, with or without the page's token."""

    def __init__(self, url):
        self.url = url

    def get(self):
        with urllib.request.urlopen(self.url, timeout=30) as response:
            return response.read().decode()

    def token(self):
        return re.search(r'name="session" value="([^"]+)"', self.get()).group(1)

    def post(self, fields):
        body = urllib.parse.urlencode(fields).encode()
        with urllib.request.urlopen(self.url, data=body, timeout=30) as response:
            return response.read().decode()


def outcome(html):
    """('sent', job id) or ('refused', reason) or (None, None) from a page's banner."""
    match = re.search(r'<div class="banner qz-(sent|refused)" id="qz-outcome">([^<]*)<', html)
    if not match:
        return None, None
    if match.group(1) == 'sent':
        return 'sent', int(re.findall(r'\d+', match.group(2))[-1])
    return 'refused', match.group(2)
