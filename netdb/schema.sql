-- The network database (Netkt\net.net): what the browser simulation records and what the paper
-- seeds as expected rows (ItemScore other than 0). The file keeps its Jet name and is an SQLite
-- database. Column types are declared the Jet way so that the data layer types and coerces values
-- as Jet does: BOOLEAN for yes/no (-1 or 0), INTEGER for long integers, DATETIME for dates (text
-- such as "2026-12-11" or "09:30:00" put into it reads back as a date/time), TEXT COLLATE NOCASE
-- for text. ID is the auto-number key: AUTOINCREMENT, so an ID is never handed out twice, not even
-- after the last row is deleted. Every ItemScore defaults to 0: the browser's rows take it.

CREATE TABLE [URLs] (
  [ID] INTEGER PRIMARY KEY AUTOINCREMENT,
  [URL] TEXT COLLATE NOCASE,
  [FakeURL] TEXT COLLATE NOCASE,
  [Browsed] BOOLEAN NOT NULL DEFAULT 0,
  [keyword] TEXT COLLATE NOCASE,
  [ItemScore] INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE [History] (
  [ID] INTEGER PRIMARY KEY AUTOINCREMENT,
  [URL] TEXT COLLATE NOCASE,
  [Times] INTEGER DEFAULT 0,
  [Date] DATETIME,
  [Time] DATETIME
);

CREATE TABLE [Options] (
  [ID] INTEGER PRIMARY KEY AUTOINCREMENT,
  [StartPage] TEXT COLLATE NOCASE,
  [HistoryReservedDays] INTEGER DEFAULT 20
);

CREATE TABLE [Log] (
  [ID] INTEGER PRIMARY KEY AUTOINCREMENT,
  [Action] TEXT COLLATE NOCASE,
  [Parameter] TEXT COLLATE NOCASE,
  [Date] DATETIME,
  [Time] DATETIME,
  [ItemScore] INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE [Favourite] (
  [ID] INTEGER PRIMARY KEY AUTOINCREMENT,
  [Name] TEXT COLLATE NOCASE,
  [URL] TEXT COLLATE NOCASE DEFAULT '',
  [Root] INTEGER NOT NULL DEFAULT 0,
  [ItemScore] INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE [Mail] (
  [ID] INTEGER PRIMARY KEY AUTOINCREMENT,
  [邮件位置] INTEGER DEFAULT 0,
  [发件人] TEXT COLLATE NOCASE,
  [收件人] TEXT COLLATE NOCASE,
  [抄送人] TEXT COLLATE NOCASE,
  [主题] TEXT COLLATE NOCASE,
  [内容] LONGTEXT COLLATE NOCASE,
  [Time] DATETIME,
  [附件] TEXT COLLATE NOCASE,
  [Type] INTEGER DEFAULT 1
);

CREATE TABLE [Account] (
  [ID] INTEGER PRIMARY KEY AUTOINCREMENT,
  [帐户名称] TEXT COLLATE NOCASE,
  [显示名称] TEXT COLLATE NOCASE,
  [用户Email地址] TEXT COLLATE NOCASE,
  [接收邮件服务器] TEXT COLLATE NOCASE,
  [发送邮件服务器] TEXT COLLATE NOCASE,
  [帐户名] TEXT COLLATE NOCASE,
  [DefaultAccount] BOOLEAN NOT NULL DEFAULT 0
);

CREATE TABLE [MailRules] (
  [ID] INTEGER PRIMARY KEY AUTOINCREMENT,
  [Mail] INTEGER DEFAULT 1,
  [Name] TEXT COLLATE NOCASE,
  [Parameter] TEXT COLLATE NOCASE,
  [ItemScore] INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE [AccountRules] (
  [ID] INTEGER PRIMARY KEY AUTOINCREMENT,
  [Action] TEXT COLLATE NOCASE,
  [Parameter] TEXT COLLATE NOCASE,
  [ItemScore] INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE [Download] (
  [ID] INTEGER PRIMARY KEY AUTOINCREMENT,
  [File] TEXT COLLATE NOCASE,
  [ItemScore] INTEGER NOT NULL DEFAULT 0
);
