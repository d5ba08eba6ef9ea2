-- Rows of the demo exam database, applied on top of the empty schema.
INSERT INTO Const (SelectCount, TestDir) VALUES (10, 'D:\KirvExam');

INSERT INTO Module (ModuleID, Name, Enabled) VALUES (0, '单项选择题', -1);
INSERT INTO Module (ModuleID, Name, Enabled) VALUES (1, 'Windows 操作', -1);
INSERT INTO Module (ModuleID, Name, Enabled) VALUES (2, '文字处理', -1);
INSERT INTO Module (ModuleID, Name, Enabled) VALUES (3, '电子表格', -1);
INSERT INTO Module (ModuleID, Name, Enabled) VALUES (4, '演示文稿', -1);
INSERT INTO Module (ModuleID, Name, Enabled) VALUES (5, '网络应用', -1);
INSERT INTO Module (ModuleID, Name, Enabled) VALUES (6, '网页制作', -1);

INSERT INTO Paper (PaperID, ModuleID, Name, AttFile, PaperFile, AnsFile, TimeLimit)
  VALUES (1, 0, '单项选择题（随机抽题）', '', '', '', 15);
INSERT INTO Paper (PaperID, ModuleID, Name, AttFile, PaperFile, AnsFile, TimeLimit)
  VALUES (101, 1, 'Windows 操作 第一套', 'win1.7z', 'win1.rtf', 'win1.xlsx*1', 30);
INSERT INTO Paper (PaperID, ModuleID, Name, AttFile, PaperFile, AnsFile, TimeLimit)
  VALUES (102, 1, 'Windows 操作 第二套', 'win2.7z', 'win2.rtf', 'win2.xlsx*1', 0);

INSERT INTO Paper (PaperID, ModuleID, Name, AttFile, PaperFile, AnsFile, TimeLimit)
  VALUES (201, 2, '文字处理 第一套', 'word1.7z', 'word1.rtf', 'word1.xlsx*1', 0);

INSERT INTO Paper (PaperID, ModuleID, Name, AttFile, PaperFile, AnsFile, TimeLimit)
  VALUES (301, 3, '电子表格 第一套', 'excel1.7z', 'excel1.rtf', 'excel1.xlsx*1', 0);

INSERT INTO Paper (PaperID, ModuleID, Name, AttFile, PaperFile, AnsFile, TimeLimit)
  VALUES (401, 4, '演示文稿 第一套', 'ppt1.7z', 'ppt1.rtf', 'ppt1.xlsx*1', 0);

INSERT INTO Paper (PaperID, ModuleID, Name, AttFile, PaperFile, AnsFile, TimeLimit)
  VALUES (601, 6, '网页制作 第一套', 'web1.7z', 'web1.rtf', 'web1.xlsx*1', 0);

-- The network paper: graded from the database its archive brings (no answer workbook; the item's
-- name is not used). The module stays disabled, out of the draw, until the browser the candidate
-- works in is installed.
INSERT INTO Paper (PaperID, ModuleID, Name, AttFile, PaperFile, AnsFile, TimeLimit)
  VALUES (501, 5, '网络应用 第一套', 'net1.7z', 'net1.rtf', 'net.net*1', 0);

INSERT INTO "Group" (GroupID, Name, Modules) VALUES (1, '综合练习一', '0-1|1-101|2-201|3-301|4-401|5-501|6-601');
INSERT INTO "Group" (GroupID, Name, Modules) VALUES (2, '综合练习二', '0-1|1-102|2-201|3-301|4-401|5-501|6-601');

INSERT INTO Stu (examcode, Name, Sex, Room, Session, Seat, School, Class, No, State, timeleft, Papers, Score, scoreok, sendok)
  VALUES ('26001010101', '张明', '男', '01', '01', '01', '第一中学', '高一(1)班', '1', 0, 0, '', '', 0, 0);
INSERT INTO Stu (examcode, Name, Sex, Room, Session, Seat, School, Class, No, State, timeleft, Papers, Score, scoreok, sendok)
  VALUES ('26001010102', '李华', '女', '01', '01', '02', '第一中学', '高一(1)班', '2', 0, 0, '', '', 0, 0);
INSERT INTO Stu (examcode, Name, Sex, Room, Session, Seat, School, Class, No, State, timeleft, Papers, Score, scoreok, sendok)
  VALUES ('26001010103', '王芳', '女', '01', '01', '03', '第一中学', '高一(2)班', '3', 0, 0, '', '', 0, 0);
INSERT INTO Stu (examcode, Name, Sex, Room, Session, Seat, School, Class, No, State, timeleft, Papers, Score, scoreok, sendok)
  VALUES ('26001010104', '赵强', '男', '01', '01', '04', '第一中学', '高一(2)班', '4', 10, 0, '', '', 0, 0);
INSERT INTO Stu (examcode, Name, Sex, Room, Session, Seat, School, Class, No, State, timeleft, Papers, Score, scoreok, sendok)
  VALUES ('26001010105', '孙丽', '女', '01', '01', '05', '第一中学', '高一(2)班', '5', 1, 0, '0-q01,q02,q03|1-101', 'DXDPEBDSGVDTDQEBDX', -1, 0);
INSERT INTO Stu (examcode, Name, Sex, Room, Session, Seat, School, Class, No, State, timeleft, Papers, Score, scoreok, sendok)
  VALUES ('26001010106', '周杰', '男', '01', '01', '06', '第一中学', '高一(2)班', '6', 100, 0, '', '', 0, 0);
