"""转换 end to end: the real program under Wine against the scripted resolver."""
import unittest

from harness import ANSWER_BOX, BUTTON_CONVERT, LINK_BOX, Program
from resolver import Resolver, WithResolver, http_answer

PREFIX = b"/360?url="
USER_AGENT = b"Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)"


class ConversionCase(WithResolver):
    def convert(self, link, before=b"earlier answer"):
        """Clicks 转换 with `link` in the upper box; the lower box afterwards."""
        self.program.set_text(ANSWER_BOX, before)
        self.program.set_text(LINK_BOX, link)
        self.resolver.take_requests()
        self.program.click(BUTTON_CONVERT)
        self.assertEqual(self.program.text(LINK_BOX), link, "the upper box must never change")
        return self.program.text(ANSWER_BOX)


class Answers(ConversionCase):
    CASES = [
        # name, answer bytes, what the lower box shows
        ("ok", http_answer(200, b"https://dl.example/file.zip?sign=1&t=2"), b"https://dl.example/file.zip?sign=1&t=2"),
        ("notfound", http_answer(404, b"<h1>404</h1>"), b"<h1>404</h1>"),
        ("servererror", http_answer(500, b"error page"), b"error page"),
        ("zero", http_answer(200, b"before\0after"), b"before"),
        ("leadingzero", http_answer(200, b"\0after"), b""),
        ("empty", http_answer(200, b""), b""),
        ("cut", http_answer(200, b"partial")[:-7].replace(b"Content-Length: 7", b"Content-Length: 100") + b"partial",
         b"partial"),
        ("closedelimited", http_answer(200, b"x" * 30000, content_length=False), b"x" * 30000),
        ("gbk", http_answer(200, "下载地址：https://dl.example/文件.zip".encode("gbk")),
         "下载地址：https://dl.example/文件.zip".encode("gbk")),
        ("lf", http_answer(200, b"line one\nline two\n"), b"line one\nline two\n"),
        ("crlf", http_answer(200, b"line one\r\nline two"), b"line one\r\nline two"),
    ]

    def test_the_body_is_shown_whatever_the_status_up_to_its_first_zero_byte(self):
        for name, answer, shown in self.CASES:
            with self.subTest(case=name):
                self.resolver.answer(PREFIX + name.encode(), answer)
                self.assertEqual(self.convert(name.encode()), shown)

    def test_a_body_longer_than_its_content_length(self):
        self.resolver.answer(PREFIX + b"longer", http_answer(200, b"0123456789").replace(b"Length: 10", b"Length: 4"))
        self.assertEqual(self.convert(b"longer"), b"0123456789", "read until the connection ends")

    def test_redirections_are_followed_to_the_final_body(self):
        for status in (301, 302, 303, 307, 308):
            with self.subTest(status=status):
                link = f"redirect{status}".encode()
                self.resolver.answer(PREFIX + link, http_answer(status, b"moved", {"Location": f"/final{status}"}))
                self.resolver.answer(f"/final{status}", http_answer(200, f"final {status}".encode()))
                self.assertEqual(self.convert(link), f"final {status}".encode())
                self.assertEqual(len(self.resolver.take_requests()), 2)
        # Each hop is a full request of its own with the same headers.
        self.resolver.answer(PREFIX + b"hop", http_answer(302, b"", {"Location": "http://127.0.0.1:8360/hop2"}))
        self.resolver.answer("/hop2", http_answer(200, b"landed"))
        self.program.set_text(LINK_BOX, b"hop")
        self.resolver.take_requests()
        self.program.click(BUTTON_CONVERT)
        self.assertEqual(self.program.text(ANSWER_BOX), b"landed")
        first, second = self.resolver.take_requests()
        self.assertTrue(second.startswith(b"GET /hop2 HTTP/1.0\r\n"), second)
        self.assertEqual(headers_of(first)[1:], headers_of(second)[1:])

    def test_a_redirection_loop_stops_after_twenty_and_empties_the_box(self):
        self.resolver.answer(PREFIX + b"loop", http_answer(302, b"again", {"Location": "/360?url=loop"}))
        self.program.set_text(ANSWER_BOX, b"earlier answer")
        self.program.set_text(LINK_BOX, b"loop")
        self.resolver.take_requests()
        self.program.click(BUTTON_CONVERT)
        self.assertEqual(self.program.text(ANSWER_BOX), b"")
        self.assertEqual(len(self.resolver.take_requests()), 21)

    def test_each_conversion_replaces_the_previous_answer(self):
        self.resolver.answer(PREFIX + b"first", http_answer(200, b"first answer"))
        self.resolver.answer(PREFIX + b"second", http_answer(200, b"second"))
        self.assertEqual(self.convert(b"first", before=b""), b"first answer")
        self.assertEqual(self.convert(b"second", before=b"first answer"), b"second")


def headers_of(request):
    return request.split(b"\r\n\r\n")[0].split(b"\r\n")


class Requests(ConversionCase):
    def sent(self, link):
        self.resolver.answer(PREFIX, http_answer(200, b"any"))
        self.convert(link)
        (request,) = self.resolver.take_requests() or [b""]
        return request

    def test_the_request_line_and_headers(self):
        self.resolver.answer(PREFIX + b"https://pan.example/s/1Ab", http_answer(200, b"x"))
        self.convert(b"https://pan.example/s/1Ab")
        (request,) = self.resolver.take_requests()
        lines = headers_of(request)
        self.assertEqual(lines[0], b"GET /360?url=https://pan.example/s/1Ab HTTP/1.0")
        names = [line.split(b":")[0].lower() for line in lines[1:]]
        self.assertEqual([l for l in lines if l.lower().startswith(b"user-agent:")], [b"User-Agent: " + USER_AGENT])
        self.assertEqual([l for l in lines if l.lower().startswith(b"accept:")], [b"Accept: */*"])
        self.assertIn(b"Host: 127.0.0.1:8360", lines)
        for cached in (b"if-modified-since", b"if-none-match"):
            self.assertNotIn(cached, names)
        self.assertTrue(request.endswith(b"\r\n\r\n"), "no body")

    def test_the_link_travels_byte_for_byte_except_what_a_request_line_cannot_carry(self):
        cases = [
            (b"", b"/360?url="),
            (b"a&b=c+d%20e%zz", b"/360?url=a&b=c+d%20e%zz"),
            ("中文链接".encode("gbk"), b"/360?url=" + "中文链接".encode("gbk")),
            (b"one two", b"/360?url=one%20two"),
            (b"x\r\nHost: evil", b"/360?url=x%0D%0AHost:%20evil"),
            (b"\ttab", b"/360?url=%09tab"),
            (b" lead", b"/360?url=%20lead"),
            (b"trail  ", b"/360?url=trail"),
            (b"https://pan.example/s/1#section", b"/360?url=https://pan.example/s/1"),
        ]
        for link, target in cases:
            with self.subTest(link=link):
                self.resolver.answer(target, http_answer(200, b"seen"))
                self.assertEqual(self.convert(link), b"seen")
                (request,) = self.resolver.take_requests()
                self.assertEqual(headers_of(request)[0], b"GET " + target + b" HTTP/1.0")


class NoService(unittest.TestCase):
    def test_a_refused_connection_empties_the_box_and_the_next_conversion_works(self):
        with Program("d1024") as program:
            program.set_text(LINK_BOX, b"ok")
            program.set_text(ANSWER_BOX, b"earlier answer")
            program.click(BUTTON_CONVERT)
            self.assertEqual(program.text(ANSWER_BOX), b"")
            resolver = Resolver()
            try:
                resolver.answer(PREFIX + b"ok", http_answer(200, b"back again"))
                program.click(BUTTON_CONVERT)
                self.assertEqual(program.text(ANSWER_BOX), b"back again")
            finally:
                resolver.close()
            program.click(BUTTON_CONVERT)  # the service is gone again: a failure after a success
            self.assertEqual(program.text(ANSWER_BOX), b"")


if __name__ == "__main__":
    unittest.main()
