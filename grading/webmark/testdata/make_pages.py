#!/usr/bin/python3
# Writes the web-page control's test pages in the markup style of a web editor of the period:
# GBK with charset=gb2312, upper-case tags in some, no doctype, misnested and unclosed markup,
# frames, vector markup for word art and text boxes; and one UTF-8 page.
#   make_pages.py [FOLDER]   (this script's folder unless told)
import os
import sys

PAGES = {}

PAGES["index.htm"] = ("gbk", """<HTML>
<HEAD>
<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=gb2312">
<META NAME="keywords" CONTENT="网页,考试">
<META NAME="GENERATOR" CONTENT="Microsoft FrontPage 4.0">
<BASE TARGET="main" NAME="b1">
<TITLE>我的主页</TITLE>
</HEAD>
<BODY BGCOLOR="#FFFFCC" TEXT="#000080" LINK="#0000FF" VLINK="#800080" ALINK="#FF0000" BACKGROUND="images/bg.gif">
<P ALIGN="center"><FONT FACE="黑体" SIZE="5" COLOR="#FF0000">欢迎光临</FONT></P>
<p>第二段<font size=3>未闭合的段落
<p><font color="#0000FF"><p>错位的字体</font>之后</p>
<TABLE ID="outer" BORDER="1">
  <TR><TD>外一</TD><TD>外二</TD></TR>
  <TR><TD>
    <TABLE ID="inner"><TR><TD><FONT ID="f1">内格</FONT></TD></TR><TR><TD>内二</TD></TR></TABLE>
  </TD><TD><P>格中段</TD>
  <TR><TD>三</TD><TD>三二
  <TR><TD><FONT ID="last">最后一行</FONT></TD><TD>四二</TD></TR>
</TABLE>
<IFRAME NAME="side" SRC="b.htm" WIDTH="300" SCROLLING="no" FRAMEBORDER="0"></IFRAME>
<FONT ID="after">表后</FONT>
</BODY>
</HTML>
""")

PAGES["b.htm"] = ("gbk", """<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=gb2312">
<title>第二页</title>
</head>
<body bgcolor="#FFFFFF">
<p>第二页的正文</p>
</body>
</html>
""")

PAGES["frames.htm"] = ("gbk", """<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=gb2312">
<title>框架网页</title>
</head>
<frameset cols="30%,70%">
  <frame name="side" src="side.htm" scrolling="no">
  <frame name="MAIN" src="main.htm">
  <noframes>
  <body>
  <p>此网页使用了框架，而您的浏览器不支持框架。</p>
  </body>
  </noframes>
</frameset>
</html>
""")

PAGES["frames50.htm"] = ("gbk", """<html><head><title>平分</title></head>
<frameset cols="50%,50%"><frame name="a" src="a.htm"><frame name="b" src="b.htm"></frameset>
</html>
""")

PAGES["frames200.htm"] = ("gbk", """<html><head><title>固定宽度</title></head>
<frameset cols="200,*"><frame name="a" src="a.htm"><frame name="b" src="b.htm"></frameset>
</html>
""")

PAGES["vml.htm"] = ("gbk", """<html xmlns:v="urn:schemas-microsoft-com:vml" xmlns:o="urn:schemas-microsoft-com:office:office">
<head>
<meta http-equiv="Content-Type" content="text/html; charset=gb2312">
<title>艺术字</title>
<!--[if !mso]>
<style>
v\\:*         { behavior: url(#default#VML) }
o\\:*         { behavior: url(#default#VML) }
</style>
<![endif]-->
</head>
<body>
<p><!--[if gte vml 1]><v:shapetype id="_x0000_t136" coordsize="21600,21600" o:spt="136" path="m@7,l@8,m@5,21600l@6,21600e">
 <v:path textpathok="t" o:connecttype="custom"/>
 <v:textpath on="t" fitshape="t"/>
</v:shapetype><v:shape id="_x0000_s1025" type="#_x0000_t136" style='width:201pt;height:51pt' fillcolor="#FF0000">
 <v:textpath style='font-family:"隶书";v-text-kern:t' trim="t" fitpath="t" string="网页设计"/>
</v:shape><![endif]--><![if !vml]><img border=0 width=268 height=68 src="images/image001.gif" v:shapes="_x0000_s1025"><![endif]></p>
<p><!--[if gte vml 1]><v:shape id="_x0000_s1026" type="#_x0000_t202" style='width:120pt;height:40pt'>
 <v:textbox><span style="font-size: 12pt; color:#0000FF">文本框里的字</span></v:textbox>
</v:shape><![endif]--></p>
</body>
</html>
""")

PAGES["utf8.htm"] = ("utf-8", """<!DOCTYPE html>
<html>
<head>
<meta charset="utf-8">
<meta name="author" content="考生">
<title>My Page</title>
</head>
<body bgcolor="#ccffcc">
<p>UTF-8 编写的网页</p>
</body>
</html>
""")


def add_link_pages():
    """Bookmarks, hyperlinks and an image map in the editor's upper-case style, some unclosed."""
    PAGES["links.htm"] = ("gbk", """<HTML>
<HEAD>
<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=gb2312">
<TITLE>链接</TITLE>
</HEAD>
<BODY>
<P><IMG SRC="images/a.gif">前面的<B>文字</B><A NAME="m1">书签</A>后面的字<IMG SRC="images/b.gif">
<P><A NAME="m2"><IMG SRC="images/c.gif">图</A>
<P><A HREF="b.htm" TARGET="_blank"><FONT SIZE="4"><B>粗体链接</FONT></B><IMG SRC="x.gif"></A></P>
<MAP NAME="FPMap0">
<AREA SHAPE="rect" COORDS="50,45,71,46" HREF="r.htm">
<AREA SHAPE="circle" COORDS="100,100,50" HREF="c.htm">
<AREA SHAPE="polygon" COORDS="0,0,10,0,11,11" HREF="p.htm">
</MAP>
<IMG SRC="images/map.gif" USEMAP="#FPMap0" WIDTH="200" HEIGHT="150">
</BODY>
</HTML>
""")


def main():
    add_link_pages()
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for name, (encoding, text) in PAGES.items():
        with open(os.path.join(folder, name), "wb") as page:
            page.write(text.replace("\n", "\r\n").encode(encoding))


if __name__ == "__main__":
    main()
