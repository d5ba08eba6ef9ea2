#!/usr/bin/env python3
"""Writes the page model's test pages and pictures: pages in the markup style of the web editor of
the period (GBK with charset=gb2312, upper-case tags in places, no doctype, VML word art and text
boxes, frames, misnested and unclosed markup), one UTF-8 page, and a small picture of each kind
the model reads sizes from. Run it from this folder; the tests read the files it leaves."""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


# ---- pictures -----------------------------------------------------------------------------

def gif(width, height):
    # Colour 0 everywhere: a clear code before every pixel keeps every code 3 bits wide.
    codes = [4, 0] * (width * height) + [5]
    bits, nbits, out = 0, 0, bytearray()
    for c in codes:
        bits |= c << nbits
        nbits += 3
        while nbits >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8
    if nbits:
        out.append(bits & 0xFF)
    data = bytearray()
    for i in range(0, len(out), 255):
        chunk = out[i:i + 255]
        data += bytes([len(chunk)]) + chunk
    return (b"GIF89a" + struct.pack("<HHBBB", width, height, 0x80, 0, 0) + b"\xff\x00\x00\x00\x00\x00"
            + b"\x2c" + struct.pack("<HHHHB", 0, 0, width, height, 0) + b"\x02" + bytes(data)
            + b"\x00\x3b")


def png(width, height):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    raw = b"".join(b"\x00" + b"\x00\x80\xff" * width for _ in range(height))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def bmp(width, height):
    row = (b"\x00\xff\x00" * width).ljust((width * 3 + 3) // 4 * 4, b"\x00")
    pixels = row * height
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + len(header) + len(pixels), 0, 0, 14 + len(header)) + header + pixels


def jpeg(width, height):
    # A mid-grey baseline picture: every block is DC 0 and end-of-block, with one-symbol tables.
    def segment(marker, body):
        return b"\xff" + bytes([marker]) + struct.pack(">H", len(body) + 2) + body
    dqt = segment(0xDB, b"\x00" + b"\x01" * 64)
    sof = segment(0xC0, b"\x08" + struct.pack(">HH", height, width) + b"\x01\x01\x11\x00")
    one_code = b"\x01" + b"\x00" * 15 + b"\x00"  # one code of length 1 for symbol 0
    dht = segment(0xC4, b"\x00" + one_code) + segment(0xC4, b"\x10" + one_code)
    sos = segment(0xDA, b"\x01\x01\x00\x00\x3f\x00")
    blocks = ((width + 7) // 8) * ((height + 7) // 8)
    nbits = blocks * 2
    data = b"\x00" * (nbits // 8)
    if nbits % 8:
        data += bytes([(0xFF >> (nbits % 8)) & 0xFF])
    app0 = segment(0xE0, b"JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00")
    return b"\xff\xd8" + app0 + dqt + sof + dht + sos + data + b"\xff\xd9"


write("images/banner.gif", gif(120, 45))
write("images/logo.png", png(64, 32))
write("images/photo.jpg", jpeg(200, 100))
write("images/icon.bmp", bmp(33, 17))

# ---- pages --------------------------------------------------------------------------------

EDITOR_PAGE = """<html>

<head>
<meta http-equiv="Content-Language" content="zh-cn">
<meta http-equiv="Content-Type" content="text/html; charset=gb2312">
<meta name="GENERATOR" content="Microsoft FrontPage 6.0">
<meta name="ProgId" content="FrontPage.Editor.Document">
<meta name="keywords" content="考试,网页">
<title>我的 主页</title>
<base target="main">
</head>

<body bgcolor="#FFFFCC" text="#000080" link="#0000FF" vlink="#800080" alink="#FF0000" background="images/banner.gif">

<p align="center"><font face="黑体" size="5" color="#FF0000" id="title">欢迎光临</font></p>
<P ALIGN=LEFT><FONT FACE="宋体" SIZE=3>第二段<B>粗体</B>文字</FONT></P>
<p><span style="font-size: 12pt; font-family: 楷体_GB2312; color:#008000"><font face="楷体_GB2312">楷体文字</font></span></p>
<p>图片前<img border="0" src="images/banner.gif" id="pic1" hspace="5" alt="横幅">图片后</p>
<p><img src="images/logo.png" width="50%" height=20 usemap="#fpmap0" border=2></p>
<map name="fpmap0">
<area href="page2.htm" shape="rect" coords="10, 20, 110, 70">
<area href="http://www.example.com/" shape="circle" coords="100,80,25">
</map>
<p><img src="images/photo.jpg" id="photo"><img src="images\\icon.bmp" id="icon"><img src="images/missing.gif" id="gone"></p>
<p><a name="top">书签文字</a>和<a href="page2.htm" target="_blank">链接</a>以及<a href="http://www.example.com/">外部</a></p>
<hr align="center" width="80%" size="3" color="#0000FF">
<hr>
<bgsound src="music/bg.mid" loop="3">
<marquee width="300" height=40 behavior="alternate" bgcolor="#CCFFFF" scrollamount="3">滚动字幕</marquee>
<marquee>默认字幕</marquee>
<table border="1" width="80%" id="t1" bordercolor="#000000" bgcolor="#FFFFFF" cellpadding="2" cellspacing="0">
  <tr>
    <td width="50%" align="center" rowspan="2">甲</td>
    <td colspan="2" valign="top" bgcolor="#FF0000">乙</td>
  </tr>
  <tr>
    <td>丙</td>
    <td><font size="2">丁</font><img src="images/logo.png"></td>
  </tr>
  <tr>
    <td>戊<br>己</td>
    <td>庚</td>
    <td>辛</td>
  </tr>
</table>
<iframe name="side" src="side.htm" width="200" height="150" scrolling="no" frameborder="0">浮动框架</iframe>
<p><!--[if gte vml 1]><v:shapetype id="_x0000_t136" coordsize="21600,21600" o:spt="136"
 adj="10800" path="m@7,l@8,m@5,21600l@6,21600e">
 <v:formulas>
  <v:f eqn="sum #0 0 10800"/>
 </v:formulas>
 <v:path textpathok="t" o:connecttype="custom"/>
 <v:textpath on="t" fitshape="t"/>
 <o:lock v:ext="edit" text="t" shapetype="t"/>
</v:shapetype><v:shape id="_x0000_s1025" type="#_x0000_t136" style='width:303pt;height:53.25pt'
 fillcolor="#0066CC" strokecolor="#99CCFF">
 <v:fill type="gradient" color2="#FFFFFF"/>
 <v:shadow on="t" color="#B2B2B2" opacity="52429f" offset="3pt"/>
 <v:textpath style='font-family:"华文彩云";font-size:28pt;v-text-kern:t' trim="t"
  fitpath="t" string="欢迎来到我的网站"/>
</v:shape><![endif]--><![if !vml]><img border=0 width=404 height=71
src="images/banner.gif" alt="欢迎来到我的网站" v:shapes="_x0000_s1025"><![endif]></p>
<p><!--[if gte vml 1]><v:shape id="_x0000_s1026" type="#_x0000_t202" style='position:absolute;
 left:10pt;top:20pt;width:150pt;height:60pt' filled="f" stroked="t">
 <v:textbox>
  <div><p><font face="隶书" size="4">文本框内容</font><o:p></o:p></p></div>
 </v:textbox>
</v:shape><![endif]--><![if !vml]><span style='position:absolute;left:10pt'><img width=200
height=80 src="images/banner.gif" v:shapes="_x0000_s1026"></span><![endif]></p>
<p id="last">结尾</p>
</body>

</html>
"""

FRAMES_PAGE = """<html>

<head>
<meta http-equiv="Content-Type" content="text/html; charset=gb2312">
<title>框架网页</title>
</head>

<frameset cols="30%,70%">
  <frame name="contents" target="main" src="left.htm" scrolling="no">
  <frame name="MAIN" src="right.htm">
  <noframes>
  <body>
  <p>此网页使用了框架，但您的浏览器不支持框架。</p>
  </body>
  </noframes>
</frameset>

</html>
"""

MISNESTED_PAGE = """<HTML>
<HEAD>
<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=gb2312">
<TITLE>错位标记</TITLE>
</HEAD>
<BODY>
<font face="宋体" id="wrap"><p align="center">居中文字</font>后面的文字</p>
<p>没有结束的段落一
<p>没有结束的段落二
<table id="loose">
<tr><td>一<td>二
<tr><td>三<td>四
</table>
<b>粗体开始<p>段落中</b>粗体之后</p>
<table id="foster"><tr><td>格</td></tr>游离文字</table>
</BODY>
</HTML>
"""

UTF8_PAGE = """<!DOCTYPE html>
<html>
<head>
<meta charset="utf-8">
<title>统一编码页面</title>
</head>
<body bgcolor="#FFFFFF">
<p align="right"><font face="微软雅黑" color="blue">你好，世界</font> &amp; 𠀀</p>
<table id="u1"><tr><td>单元格</td></tr></table>
</body>
</html>
"""

write("editor_gbk.htm", EDITOR_PAGE.replace("\n", "\r\n").encode("gbk"))
write("frames_gbk.htm", FRAMES_PAGE.replace("\n", "\r\n").encode("gbk"))
write("misnested_gbk.htm", MISNESTED_PAGE.encode("gbk"))
write("plain_utf8.htm", UTF8_PAGE.encode("utf-8"))

# The shapes of pages made to cost the parser (nesting hidden from the estimate, formatting
# copied at every text), a few repetitions each: seeds for the fuzzers, which make them larger.
FORMATTING = "<b><i><u><s><em><strong><font><big><small><tt><strike><code><nobr>"
COSTLY = {
    "noscript.htm": "<noscript>" + "<div>" * 20,
    "empty_comment.htm": "<!-->" + "<div>" * 20 + "<!--->" + "<div>" * 20 + "-->",
    "raw_text_prefix.htm": "<textareax>" + "<div>" * 20 + "</textareax><plaintextx>" + "<div>" * 20,
    "quoted_gt.htm": "<p title='>' <!--'>" + "<div>" * 20 + "-->",
    "select_xmp.htm": "<select><xmp></select>" + "<div>" * 20 + "</xmp>",
    "misnested_blocks.htm": "<font><div></font>" * 20 + "<div><table><tr><td></div>" * 10,
    "formatting_rebuilt.htm": "<div>" + FORMATTING * 3 + "</div>" + "<div>x</div>" * 20,
}
os.makedirs(os.path.join(HERE, "costly"), exist_ok=True)
for name, text in COSTLY.items():
    write("costly/" + name, text.encode("ascii"))
