-- The expected rows of the demo's network paper (501), applied on top of netdb/schema.sql; the
-- file becomes Netkt\net.net in the paper's archive net1.7z. A row with an ItemScore other than 0
-- is an expected item worth that many points: 20 each for the two pages, the favourite and the
-- two parts of the mail. Yes/no values are written -1 and 0, as the data layer stores them.

-- The local copies of the sites (folder Site below the browser); the two pages of the task.
INSERT INTO URLs (URL, FakeURL, Browsed, keyword, ItemScore) VALUES
  ('http://www.kirv.cn/', 'www.kirv.cn\index.htm', 0, '考试中心', 20),
  ('http://www.kirv.cn/notice.htm', 'www.kirv.cn\notice.htm', 0, '报名须知', 20),
  ('http://www.kirv.cn/about.htm', 'www.kirv.cn\about.htm', 0, '', 0),
  ('http://mail.kirv.cn/', 'mail.kirv.cn\index.htm', 0, '邮件', 0);

INSERT INTO Options (StartPage, HistoryReservedDays) VALUES ('http://www.kirv.cn/', 20);

-- The favourite to add: a link, anywhere in the favourites.
INSERT INTO Favourite (Name, URL, Root, ItemScore) VALUES
  ('报名须知', 'http://www.kirv.cn/notice.htm', 0, 20);

-- The mail to send: the newest new mail (type 1) goes to the teacher and is about registering.
INSERT INTO MailRules (Mail, Name, Parameter, ItemScore) VALUES
  (1, '收件人', 'teacher@kirv.cn', 20),
  (1, '主题', '考试报名', 20);

-- The candidate's mail account, the sender of new mail, and a mail waiting in the inbox.
INSERT INTO Account (帐户名称, 显示名称, 用户Email地址, 接收邮件服务器, 发送邮件服务器, 帐户名, DefaultAccount)
  VALUES ('mail.kirv.cn', '考生', 'student@kirv.cn', 'pop3.kirv.cn', 'smtp.kirv.cn', 'student', -1);
INSERT INTO Mail (邮件位置, 发件人, 收件人, 抄送人, 主题, 内容, Time, 附件, Type) VALUES
  (0, 'teacher@kirv.cn', 'student@kirv.cn', '', '欢迎参加考试', '请按要求完成网络应用操作。',
   '2026-12-01', '', 1);
