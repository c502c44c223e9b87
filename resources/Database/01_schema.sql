-- System tables. Names, keys and modes compare without regard to case, as
-- the server databases do; counters, indexes and flags are integers so that
-- they sort and compare as numbers even when written as quoted text.

-- Menu and module tree: Parent '0' is the menu bar.
CREATE TABLE tblMenu (
  ID TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
  MenuIndex INTEGER,
  [Language] TEXT,
  Parent TEXT COLLATE NOCASE,
  RsName TEXT COLLATE NOCASE,
  RsName2 TEXT COLLATE NOCASE,
  Relation TEXT,
  FormTemplateName TEXT COLLATE NOCASE,
  BrowseToolbar TEXT COLLATE NOCASE,
  ViewToolbar TEXT COLLATE NOCASE,
  AddToolbar TEXT COLLATE NOCASE,
  ModifyToolbar TEXT COLLATE NOCASE
);
CREATE INDEX ixMenuParent ON tblMenu (Parent);

-- Record sources: one row per field, the source-level columns repeated on
-- every row; ascending ID is field order.
CREATE TABLE tblRecordset (
  ID INTEGER PRIMARY KEY AUTOINCREMENT,
  RsName TEXT COLLATE NOCASE,
  SelectSQL TEXT,
  WhereArea TEXT,
  OrderArea TEXT,
  InsertSQL TEXT,
  UpdateSQL TEXT,
  DeleteSQL TEXT,
  PrintLines INTEGER,
  Field TEXT COLLATE NOCASE,
  ControlType TEXT,
  [Language] TEXT,
  IsKey INTEGER,
  IsShow INTEGER,
  IsReadOnly INTEGER,
  IsInput INTEGER,
  InputRange TEXT,
  InputExp TEXT,
  MaxLength INTEGER,
  DefaultValue TEXT,
  DisplayFormat TEXT,
  SaveFormat TEXT,
  OptionRs TEXT COLLATE NOCASE,
  ReturnField TEXT,
  TotalSQL TEXT,
  TotalFormat TEXT,
  TotalLanguage TEXT,
  Calculate TEXT,
  IsBillID INTEGER,
  CustomBillID TEXT,
  SpecField TEXT COLLATE NOCASE,
  GridCalculate TEXT
);
CREATE INDEX ixRecordsetRsName ON tblRecordset (RsName);
CREATE INDEX ixRecordsetField ON tblRecordset (Field);

-- Custom toolbar buttons of the modules, per window mode.
CREATE TABLE tblToolbar (
  ID INTEGER PRIMARY KEY AUTOINCREMENT,
  MenuID TEXT COLLATE NOCASE,
  ButtonType TEXT COLLATE NOCASE,
  Text TEXT COLLATE NOCASE,
  ToolTipText TEXT,
  Image TEXT,
  ButtonFunction TEXT,
  ButtonIndex INTEGER,
  Mode TEXT COLLATE NOCASE,
  Parameter1 TEXT,
  Parameter2 TEXT,
  Parameter3 TEXT
);
CREATE INDEX ixToolbarMenuID ON tblToolbar (MenuID, Mode);

-- Users; an empty password is NULL.
CREATE TABLE tblUser (
  ID INTEGER PRIMARY KEY AUTOINCREMENT,
  UserName TEXT COLLATE NOCASE NOT NULL UNIQUE,
  [Password] TEXT,
  IsEnable INTEGER NOT NULL DEFAULT 1,
  IsAdmin INTEGER NOT NULL DEFAULT 0
);

-- Granted privilege keys per user.
CREATE TABLE tblPrivilege (
  UserName TEXT COLLATE NOCASE,
  ModuleID TEXT COLLATE NOCASE
);
CREATE INDEX ixPrivilegeUserName ON tblPrivilege (UserName);

-- Extra privilege items per module and mode.
CREATE TABLE tblPrivilegeID (
  MenuID TEXT COLLATE NOCASE,
  PriName TEXT COLLATE NOCASE,
  PriDesc TEXT,
  Mode TEXT COLLATE NOCASE
);
CREATE INDEX ixPrivilegeIDMenuID ON tblPrivilegeID (MenuID);

-- Designed business tables, one row per column.
CREATE TABLE tblTable (
  ID INTEGER PRIMARY KEY AUTOINCREMENT,
  TableName TEXT COLLATE NOCASE,
  FieldIndex INTEGER,
  FieldName TEXT COLLATE NOCASE,
  FieldType TEXT COLLATE NOCASE,
  FieldLength INTEGER,
  IsKey INTEGER,
  IsAuto INTEGER,
  AllowEmpty INTEGER,
  DefaultValue TEXT
);
CREATE INDEX ixTableTableName ON tblTable (TableName);

-- Last bill number taken per record source and field.
CREATE TABLE tblBillID (
  RsName TEXT COLLATE NOCASE NOT NULL,
  RsField TEXT COLLATE NOCASE NOT NULL,
  CurrID INTEGER,
  UNIQUE (RsName, RsField)
);

-- Lookup lists of the designer.
CREATE TABLE tblClass (
  ID TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
  [Language] TEXT,
  ClassIndex INTEGER
);

CREATE TABLE tblFieldType (
  ID TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
  TypeIndex INTEGER
);

CREATE TABLE tblControlType (
  ID TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
  TypeIndex INTEGER
);

CREATE TABLE tblInputRange (
  ID TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
  InputIndex INTEGER
);

-- The entry with the lowest FieldIndex is the empty text: no audit role.
CREATE TABLE tblSpecField (
  ID TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
  FieldIndex INTEGER
);

CREATE TABLE tblFormTemplate (
  FormTemplateName TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
  FormIndex INTEGER
);
