-- The exam database: candidates, settings, composed exams, modules and papers. The file keeps its
-- Jet name (db\kirv.mdb) and is an SQLite database. Column types are declared the Jet way so that
-- the data layer types and coerces values as Jet does: BOOLEAN for yes/no (holding -1 or 0),
-- INTEGER for long integers, TEXT COLLATE NOCASE for text (compared without regard to case).

CREATE TABLE [Stu] (
  [examcode] TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
  [Name] TEXT COLLATE NOCASE,
  [Sex] TEXT COLLATE NOCASE,
  [Room] TEXT COLLATE NOCASE,
  [Session] TEXT COLLATE NOCASE,
  [Seat] TEXT COLLATE NOCASE,
  [School] TEXT COLLATE NOCASE,
  [Class] TEXT COLLATE NOCASE,
  [No] TEXT COLLATE NOCASE,
  [State] INTEGER DEFAULT 0,
  [timeleft] INTEGER DEFAULT 0,
  [Papers] TEXT COLLATE NOCASE,
  [Score] TEXT COLLATE NOCASE,
  [scoreok] BOOLEAN NOT NULL DEFAULT 0,
  [sendok] BOOLEAN NOT NULL DEFAULT 0
);

CREATE TABLE [Const] (
  [SelectCount] INTEGER DEFAULT 0,
  [TestDir] TEXT COLLATE NOCASE
);

CREATE TABLE [Group] (
  [GroupID] INTEGER NOT NULL PRIMARY KEY,
  [Name] TEXT COLLATE NOCASE,
  [Modules] TEXT COLLATE NOCASE
);

CREATE TABLE [Module] (
  [ModuleID] INTEGER NOT NULL PRIMARY KEY,
  [Name] TEXT COLLATE NOCASE,
  [Enabled] BOOLEAN NOT NULL DEFAULT 0
);

CREATE TABLE [Paper] (
  [PaperID] INTEGER NOT NULL PRIMARY KEY,
  [ModuleID] INTEGER DEFAULT 0,
  [Name] TEXT COLLATE NOCASE,
  [AttFile] TEXT COLLATE NOCASE,
  [PaperFile] TEXT COLLATE NOCASE,
  [AnsFile] TEXT COLLATE NOCASE,
  [TimeLimit] INTEGER DEFAULT 0
);

CREATE INDEX [PaperByModule] ON [Paper] ([ModuleID]);
