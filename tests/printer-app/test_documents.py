"""Documents through the application print as the CUPS raster filter prints them: one page
(make_page) goes to the application as PWG raster, PNG and JPEG and to rastertoqz as CUPS
raster; both streams are decoded with the printer layer's reader and compared page by page and
dot by dot. A PDF prints as rastertoqz prints the raster Ghostscript makes of it.

Environment: with_printer_app.sh's, QZ_RASTERTOQZ, QZ_MAKE_PAGE, QZ_COMPARE_PAGES and QZ_WORK."""
import json
import os
import subprocess
import unittest
from pathlib import Path

from app_session import App

WORK = Path(os.environ['QZ_WORK'])
PRINTER = 'documents'
# A JPEG's pixels differ from the page's by its compression, and halftoning turns that into
# some dots placed otherwise (about 1.5% here; a page one row off agrees on about 96%); the
# other forms carry the page's pixels exactly.
AGREEMENT = {'pwg': 1.0, 'png': 1.0, 'jpg': 0.975}
A4_CODE = 26


class Documents(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.app = App()
        cls.app.add_printer(PRINTER, 'kestrel-410')
        subprocess.run([os.environ['QZ_MAKE_PAGE'], str(WORK)], check=True)
        cls.filtered = WORK / 'rastertoqz.prn'
        with open(cls.filtered, 'wb') as out:
            subprocess.run([os.environ['QZ_RASTERTOQZ'], '1', 'user', 'page', '1', '', str(WORK / 'page.ras')],
                           stdout=out, check=True)

    def print_file(self, path, *options):
        self.app.new_device_bytes()
        job = self.app.submit(PRINTER, path, *options)
        self.assertEqual(self.app.wait_for_jobs(PRINTER, [job])[job], 'completed')
        printed = WORK / f'{path.name}.prn'
        printed.write_bytes(self.app.new_device_bytes())
        return printed

    def compare(self, printed, expected=None):
        done = subprocess.run([os.environ['QZ_COMPARE_PAGES'], str(expected or self.filtered), str(printed)],
                              capture_output=True, text=True, check=True)
        return json.loads(done.stdout)

    def test_each_form_prints_the_raster_filters_page(self):
        for form in ('pwg', 'png', 'jpg'):
            with self.subTest(form=form):
                # The picture is the whole sheet at 600 dpi: placed as it is, not fitted.
                comparison = self.compare(self.print_file(WORK / f'page.{form}', 'print-scaling=none',
                                                          'media=iso_a4_210x297mm'))
                self.assertEqual(comparison['faults'], ['', ''])
                self.assertEqual(comparison['pages'], [1, 1])
                self.assertEqual(comparison['paper'], [[A4_CODE, A4_CODE]])
                for component, agreement in enumerate(comparison['agreement'][0]):
                    self.assertGreaterEqual(agreement, AGREEMENT[form], f'component {component}')

    def test_a_pdf_prints_as_the_raster_filter_prints_its_raster(self):
        # Two pages; the application turns PDF into CUPS raster with Ghostscript's cups device, as
        # here, and then prints it as the filter does.
        ps, pdf, raster = WORK / 'two.ps', WORK / 'two.pdf', WORK / 'two.ras'
        ps.write_text('%!PS\n<< /PageSize [595 842] >> setpagedevice\n'
                      '0 1 1 setrgbcolor 100 600 200 100 rectfill showpage\n0 setgray 100 100 50 50 rectfill showpage\n')
        gs = ['gs', '-q', '-dNOPAUSE', '-dBATCH', '-dSAFER']
        subprocess.run([*gs, '-sDEVICE=pdfwrite', f'-sOutputFile={pdf}', str(ps)], check=True)
        subprocess.run([*gs, '-sDEVICE=cups', '-r600', '-dcupsBitsPerColor=8', '-dcupsColorSpace=19',
                        f'-sOutputFile={raster}', str(pdf)], check=True)
        filtered = WORK / 'two-rastertoqz.prn'
        with open(filtered, 'wb') as out:
            subprocess.run([os.environ['QZ_RASTERTOQZ'], '1', 'user', 'two', '1', '', str(raster)], stdout=out, check=True)
        printed = self.print_file(pdf)
        self.assertEqual(printed.read_bytes(), filtered.read_bytes())
        self.assertEqual(self.compare(printed, filtered)['pages'], [2, 2])


if __name__ == '__main__':
    unittest.main(verbosity=2)
