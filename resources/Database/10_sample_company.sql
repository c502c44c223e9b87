-- A small sample company: units, customers and items (one record source
-- each) and sales bills with their lines (master and detail). Tables,
-- record sources and modules are described in the system tables the way the
-- designer writes them.

-- Business tables.
CREATE TABLE Unit(ID INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT,
  Name varchar (20) COLLATE NOCASE NOT NULL);

CREATE TABLE Customer(ID INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT,
  Code varchar (20) COLLATE NOCASE NOT NULL,
  Name varchar (50) COLLATE NOCASE NOT NULL,
  City varchar (30) COLLATE NOCASE NULL,
  Phone varchar (30) COLLATE NOCASE NULL,
  Email varchar (50) COLLATE NOCASE NULL,
  CreditLimit money NULL default(0),
  Active bit NULL default(1),
  Remark varchar (200) COLLATE NOCASE NULL);

CREATE TABLE Item(ID INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT,
  Code varchar (20) COLLATE NOCASE NOT NULL,
  Name varchar (50) COLLATE NOCASE NOT NULL,
  Unit varchar (20) COLLATE NOCASE NULL,
  Price money NULL default(0),
  Remark varchar (200) COLLATE NOCASE NULL);

CREATE TABLE SalesBill(ID INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT,
  BillNo varchar (20) COLLATE NOCASE NOT NULL,
  BillDate datetime NULL,
  CustCode varchar (20) COLLATE NOCASE NOT NULL,
  CustName varchar (50) COLLATE NOCASE NULL,
  Total money NULL default(0),
  Remark varchar (200) COLLATE NOCASE NULL,
  CreatedBy varchar (50) COLLATE NOCASE NULL,
  CreationDate datetime NULL,
  ModifiedBy varchar (50) COLLATE NOCASE NULL,
  ModifiedDate datetime NULL);

CREATE TABLE SalesBillLine(ID INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT,
  BillNo varchar (20) COLLATE NOCASE NOT NULL,
  ItemCode varchar (20) COLLATE NOCASE NOT NULL,
  ItemName varchar (50) COLLATE NOCASE NULL,
  Qty float NULL default(1),
  Price money NULL default(0),
  Amount money NULL default(0));

-- Plain indexes on what the record sources order by and check as keys, and
-- on the column that links a bill's lines, so that a browse window's pages
-- and counts read the index instead of sorting the table. Not unique: the
-- editors' key check keeps its own message and scope.
CREATE INDEX ixUnitName ON Unit(Name);
CREATE INDEX ixCustomerCode ON Customer(Code);
CREATE INDEX ixItemCode ON Item(Code);
CREATE INDEX ixSalesBillBillNo ON SalesBill(BillNo);
CREATE INDEX ixSalesBillLineBillNo ON SalesBillLine(BillNo);

-- Their structure as the designer keeps it.
INSERT INTO tblTable (TableName, FieldIndex, FieldName, FieldType, FieldLength, IsKey, IsAuto, AllowEmpty, DefaultValue) VALUES
  ('Unit', 1, 'ID', 'int', NULL, 1, 1, 0, NULL),
  ('Unit', 2, 'Name', 'varchar', 20, 0, 0, 0, NULL),

  ('Customer', 1, 'ID', 'int', NULL, 1, 1, 0, NULL),
  ('Customer', 2, 'Code', 'varchar', 20, 0, 0, 0, NULL),
  ('Customer', 3, 'Name', 'varchar', 50, 0, 0, 0, NULL),
  ('Customer', 4, 'City', 'varchar', 30, 0, 0, 1, NULL),
  ('Customer', 5, 'Phone', 'varchar', 30, 0, 0, 1, NULL),
  ('Customer', 6, 'Email', 'varchar', 50, 0, 0, 1, NULL),
  ('Customer', 7, 'CreditLimit', 'money', NULL, 0, 0, 1, '0'),
  ('Customer', 8, 'Active', 'bit', NULL, 0, 0, 1, '1'),
  ('Customer', 9, 'Remark', 'varchar', 200, 0, 0, 1, NULL),

  ('Item', 1, 'ID', 'int', NULL, 1, 1, 0, NULL),
  ('Item', 2, 'Code', 'varchar', 20, 0, 0, 0, NULL),
  ('Item', 3, 'Name', 'varchar', 50, 0, 0, 0, NULL),
  ('Item', 4, 'Unit', 'varchar', 20, 0, 0, 1, NULL),
  ('Item', 5, 'Price', 'money', NULL, 0, 0, 1, '0'),
  ('Item', 6, 'Remark', 'varchar', 200, 0, 0, 1, NULL),

  ('SalesBill', 1, 'ID', 'int', NULL, 1, 1, 0, NULL),
  ('SalesBill', 2, 'BillNo', 'varchar', 20, 0, 0, 0, NULL),
  ('SalesBill', 3, 'BillDate', 'datetime', NULL, 0, 0, 1, NULL),
  ('SalesBill', 4, 'CustCode', 'varchar', 20, 0, 0, 0, NULL),
  ('SalesBill', 5, 'CustName', 'varchar', 50, 0, 0, 1, NULL),
  ('SalesBill', 6, 'Total', 'money', NULL, 0, 0, 1, '0'),
  ('SalesBill', 7, 'Remark', 'varchar', 200, 0, 0, 1, NULL),
  ('SalesBill', 8, 'CreatedBy', 'varchar', 50, 0, 0, 1, NULL),
  ('SalesBill', 9, 'CreationDate', 'datetime', NULL, 0, 0, 1, NULL),
  ('SalesBill', 10, 'ModifiedBy', 'varchar', 50, 0, 0, 1, NULL),
  ('SalesBill', 11, 'ModifiedDate', 'datetime', NULL, 0, 0, 1, NULL),

  ('SalesBillLine', 1, 'ID', 'int', NULL, 1, 1, 0, NULL),
  ('SalesBillLine', 2, 'BillNo', 'varchar', 20, 0, 0, 0, NULL),
  ('SalesBillLine', 3, 'ItemCode', 'varchar', 20, 0, 0, 0, NULL),
  ('SalesBillLine', 4, 'ItemName', 'varchar', 50, 0, 0, 1, NULL),
  ('SalesBillLine', 5, 'Qty', 'float', NULL, 0, 0, 1, '1'),
  ('SalesBillLine', 6, 'Price', 'money', NULL, 0, 0, 1, '0'),
  ('SalesBillLine', 7, 'Amount', 'money', NULL, 0, 0, 1, '0');

-- Field rows of the record sources, in field order.
INSERT INTO tblRecordset (RsName, Field, ControlType, [Language], IsKey, IsShow, IsReadOnly, IsInput,
                          InputRange, InputExp, MaxLength, DefaultValue, DisplayFormat, SaveFormat,
                          OptionRs, ReturnField, TotalSQL, TotalFormat, TotalLanguage, Calculate,
                          IsBillID, CustomBillID, SpecField) VALUES
  ('Unit', 'ID', 'Text', 'ID', 0, 0, 1, 0, 'Any', NULL, 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, NULL, NULL),
  ('Unit', 'Name', 'Text', 'Unit', 1, 1, 0, 1, 'Any', NULL, 20, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, NULL, NULL),

  ('Customer', 'ID', 'Text', 'ID', 0, 0, 1, 0, 'Any', NULL, 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, NULL, NULL),
  ('Customer', 'Code', 'Text', 'Code', 1, 1, 0, 1, 'DigitalOrLetter', NULL, 20, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, NULL, NULL),
  ('Customer', 'Name', 'Text', 'Name', 0, 1, 0, 1, 'Any', NULL, 50, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, NULL, NULL),
  ('Customer', 'City', 'Text', 'City', 0, 1, 0, 0, 'Any', NULL, 30, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, NULL, NULL),
  ('Customer', 'Phone', 'Text', 'Phone', 0, 1, 0, 0, 'Any', NULL, 30, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, NULL, NULL),
  ('Customer', 'Email', 'Text', 'E-mail', 0, 1, 0, 0, 'Any', NULL, 50, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, NULL, NULL),
  ('Customer', 'CreditLimit', 'Text', 'Credit Limit', 0, 1, 0, 0, 'Digital', NULL, 0, '1000', '<GetFormatValue:0.00>', NULL, NULL, NULL,
   'select sum(CreditLimit) from Customer', '#,##0.00', 'Total credit limit', NULL, 0, NULL, NULL),
  ('Customer', 'Active', 'Check', 'Active', 0, 1, 0, 0, 'Any', NULL, 0, '1', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, NULL, NULL),
  ('Customer', 'Remark', 'TextArea', 'Remark', 0, 1, 0, 0, 'Any', NULL, 200, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, NULL, NULL),

  ('Item', 'ID', 'Text', 'ID', 0, 0, 1, 0, 'Any', NULL, 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, NULL, NULL),
  ('Item', 'Code', 'Text', 'Code', 1, 1, 0, 1, 'DigitalOrLetter', NULL, 20, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, NULL, NULL),
  ('Item', 'Name', 'Text', 'Name', 0, 1, 0, 1, 'Any', NULL, 50, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, NULL, NULL),
  ('Item', 'Unit', 'ComboList', 'Unit', 0, 1, 0, 0, 'Any', NULL, 0, NULL, NULL, NULL, 'Unit', 'Unit=Name', NULL, NULL, NULL, NULL, 0, NULL, NULL),
  ('Item', 'Price', 'Text', 'Price', 0, 1, 0, 0, 'Digital', NULL, 0, '0', '<GetFormatValue:0.00>', NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, NULL, NULL),
  ('Item', 'Remark', 'TextArea', 'Remark', 0, 1, 0, 0, 'Any', NULL, 200, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, NULL, NULL),

  ('SalesBill', 'ID', 'Text', 'ID', 0, 0, 1, 0, 'Any', NULL, 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, NULL, NULL),
  ('SalesBill', 'BillNo', 'Text', 'Bill No.', 1, 1, 1, 0, 'Any', NULL, 20, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL,
   1, 'SB<GetDTValue:yyyyMMdd><GetAutoValue:0000>', NULL),
  ('SalesBill', 'BillDate', 'DateTime', 'Date', 0, 1, 0, 0, 'Any', NULL, 0, NULL, '<GetFormatValue:yyyy-MM-dd>',
   '<GetFormatValue:yyyy-MM-dd hh:mm:ss>', NULL, NULL, NULL, NULL, NULL, NULL, 0, NULL, NULL),
  ('SalesBill', 'CustCode', 'Text', 'Customer', 0, 1, 0, 1, 'Any', NULL, 20, NULL, NULL, NULL, 'Customer', 'CustCode=Code;CustName=Name',
   NULL, NULL, NULL, NULL, 0, NULL, NULL),
  ('SalesBill', 'CustName', 'Text', 'Name', 0, 1, 0, 0, 'Any', NULL, 50, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, NULL, NULL),
  ('SalesBill', 'Total', 'Text', 'Total', 0, 1, 1, 0, 'Digital', NULL, 0, '0', '<GetFormatValue:0.00>', NULL, NULL, NULL,
   'select sum(Total) from SalesBill', '#,##0.00', 'Total sales', NULL, 0, NULL, NULL),
  ('SalesBill', 'Remark', 'TextArea', 'Remark', 0, 1, 0, 0, 'Any', NULL, 200, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, NULL, NULL),
  ('SalesBill', 'CreatedBy', 'Text', 'Created By', 0, 1, 1, 0, 'Any', NULL, 0, '<GetSysInfo:UserName>', NULL, NULL, NULL, NULL,
   NULL, NULL, NULL, NULL, 0, NULL, 'createdby'),
  ('SalesBill', 'CreationDate', 'Text', 'Created On', 0, 1, 1, 0, 'Any', NULL, 0, '<GetDefaultValue:now()>', NULL, NULL, NULL, NULL,
   NULL, NULL, NULL, NULL, 0, NULL, 'creationdate'),
  ('SalesBill', 'ModifiedBy', 'Text', 'Modified By', 0, 1, 1, 0, 'Any', NULL, 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, NULL, 'modifiedby'),
  ('SalesBill', 'ModifiedDate', 'Text', 'Modified On', 0, 1, 1, 0, 'Any', NULL, 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, NULL, 'modifieddate'),

  ('SalesBillLine', 'ID', 'Text', 'ID', 0, 0, 1, 0, 'Any', NULL, 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, NULL, NULL),
  ('SalesBillLine', 'BillNo', 'Text', 'Bill No.', 0, 0, 1, 0, 'Any', NULL, 20, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, NULL, NULL),
  ('SalesBillLine', 'ItemCode', 'Text', 'Item', 0, 1, 0, 1, 'Any', NULL, 20, NULL, NULL, NULL, 'Item', 'ItemCode=Code;ItemName=Name;Price=Price',
   NULL, NULL, NULL, NULL, 0, NULL, NULL),
  ('SalesBillLine', 'ItemName', 'Text', 'Item Name', 0, 1, 0, 0, 'Any', NULL, 50, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, NULL, NULL),
  ('SalesBillLine', 'Qty', 'Text', 'Qty', 0, 1, 0, 1, 'Digital', NULL, 0, '1', NULL, NULL, NULL, NULL, NULL, NULL, NULL,
   'Amount=@Qty*@Price', 0, NULL, NULL),
  ('SalesBillLine', 'Price', 'Text', 'Price', 0, 1, 0, 0, 'Digital', NULL, 0, '0', '<GetFormatValue:0.00>', NULL, NULL, NULL,
   NULL, NULL, NULL, 'Amount=@Qty*@Price', 0, NULL, NULL),
  ('SalesBillLine', 'Amount', 'Text', 'Amount', 0, 1, 1, 0, 'Digital', NULL, 0, '0', '<GetFormatValue:0.00>', NULL, NULL, NULL,
   NULL, NULL, NULL, NULL, 0, NULL, NULL);

-- Source-level columns, the same on every field row of a source.
UPDATE tblRecordset SET
  SelectSQL = 'select ID,Name from Unit',
  WhereArea = NULL,
  OrderArea = 'ORDER BY Name',
  InsertSQL = 'Insert into Unit(Name) Values(''@Name'')',
  UpdateSQL = 'Update Unit set Name=''@Name'' where ID=@ID',
  DeleteSQL = 'Delete from Unit where ID=@ID',
  PrintLines = 1,
  GridCalculate = NULL
WHERE RsName = 'Unit';

UPDATE tblRecordset SET
  SelectSQL = 'select ID,Code,Name,City,Phone,Email,CreditLimit,Active,Remark from Customer',
  WhereArea = NULL,
  OrderArea = 'ORDER BY Code',
  InsertSQL = 'Insert into Customer(Code,Name,City,Phone,Email,CreditLimit,Active,Remark) Values(''@Code'',''@Name'',''@City'',''@Phone'',''@Email'',''@CreditLimit'',''@Active'',''@Remark'')',
  UpdateSQL = 'Update Customer set Code=''@Code'',Name=''@Name'',City=''@City'',Phone=''@Phone'',Email=''@Email'',CreditLimit=''@CreditLimit'',Active=''@Active'',Remark=''@Remark'' where ID=@ID',
  DeleteSQL = 'Delete from Customer where ID=@ID',
  PrintLines = 1,
  GridCalculate = NULL
WHERE RsName = 'Customer';

UPDATE tblRecordset SET
  SelectSQL = 'select ID,Code,Name,Unit,Price,Remark from Item',
  WhereArea = NULL,
  OrderArea = 'ORDER BY Code',
  InsertSQL = 'Insert into Item(Code,Name,Unit,Price,Remark) Values(''@Code'',''@Name'',''@Unit'',''@Price'',''@Remark'')',
  UpdateSQL = 'Update Item set Code=''@Code'',Name=''@Name'',Unit=''@Unit'',Price=''@Price'',Remark=''@Remark'' where ID=@ID',
  DeleteSQL = 'Delete from Item where ID=@ID',
  PrintLines = 1,
  GridCalculate = NULL
WHERE RsName = 'Item';

UPDATE tblRecordset SET
  SelectSQL = 'select ID,BillNo,BillDate,CustCode,CustName,Total,Remark,CreatedBy,CreationDate,ModifiedBy,ModifiedDate from SalesBill',
  WhereArea = NULL,
  OrderArea = 'ORDER BY BillNo',
  InsertSQL = 'Insert into SalesBill(BillNo,BillDate,CustCode,CustName,Total,Remark,CreatedBy,CreationDate,ModifiedBy,ModifiedDate) Values(''@BillNo'',''@BillDate'',''@CustCode'',''@CustName'',''@Total'',''@Remark'',''@CreatedBy'',''@CreationDate'',''@ModifiedBy'',''@ModifiedDate'')',
  UpdateSQL = 'Update SalesBill set BillNo=''@BillNo'',BillDate=''@BillDate'',CustCode=''@CustCode'',CustName=''@CustName'',Total=''@Total'',Remark=''@Remark'',CreatedBy=''@CreatedBy'',CreationDate=''@CreationDate'',ModifiedBy=''@ModifiedBy'',ModifiedDate=''@ModifiedDate'' where ID=@ID',
  DeleteSQL = 'Delete from SalesBill where ID=@ID',
  PrintLines = 1,
  GridCalculate = NULL
WHERE RsName = 'SalesBill';

-- The lines of a bill are deleted by the bill number that links them.
UPDATE tblRecordset SET
  SelectSQL = 'select ID,BillNo,ItemCode,ItemName,Qty,Price,Amount from SalesBillLine',
  WhereArea = NULL,
  OrderArea = 'ORDER BY ID',
  InsertSQL = 'Insert into SalesBillLine(BillNo,ItemCode,ItemName,Qty,Price,Amount) Values(''@BillNo'',''@ItemCode'',''@ItemName'',''@Qty'',''@Price'',''@Amount'')',
  UpdateSQL = 'Update SalesBillLine set BillNo=''@BillNo'',ItemCode=''@ItemCode'',ItemName=''@ItemName'',Qty=''@Qty'',Price=''@Price'',Amount=''@Amount'' where ID=@ID',
  DeleteSQL = 'Delete from SalesBillLine where BillNo=''@BillNo''',
  PrintLines = 1,
  GridCalculate = 'Total=<GetGridColSum:Amount>'
WHERE RsName = 'SalesBillLine';

-- Menus and modules.
INSERT INTO tblMenu (ID, MenuIndex, [Language], Parent, RsName, RsName2, Relation, FormTemplateName,
                     BrowseToolbar, ViewToolbar, AddToolbar, ModifyToolbar) VALUES
  ('mnuBasic', 2, '&Basic Data', '0', NULL, NULL, NULL, NULL, 'Standard', 'Standard', 'Standard', 'Standard'),
  ('Customers', 1, 'Customers', 'mnuBasic', 'Customer', NULL, NULL, 'SingleRs', 'Standard', 'Standard', 'Standard', 'Standard'),
  ('Items', 2, 'Items', 'mnuBasic', 'Item', NULL, NULL, 'SingleRs', 'Standard', 'Standard', 'Standard', 'Standard'),
  ('Units', 3, 'Units', 'mnuBasic', 'Unit', NULL, NULL, 'SingleRs', 'Standard', 'Standard', 'Standard', 'Standard'),
  ('mnuSales', 3, '&Sales', '0', NULL, NULL, NULL, NULL, 'Standard', 'Standard', 'Standard', 'Standard'),
  ('SalesBills', 1, 'Sales Bills', 'mnuSales', 'SalesBill', 'SalesBillLine', 'BillNo=BillNo', 'MultiRs',
   'Standard', 'Standard', 'Standard', 'Standard');

-- Sample records.
INSERT INTO Unit (Name) VALUES ('pcs'), ('box'), ('set'), ('kg'), ('m');

INSERT INTO Customer (Code, Name, City, Phone, Email, CreditLimit, Active, Remark) VALUES
  ('C001', 'Alder & Finch Ltd', 'Leeds', '0113 496 0101', 'orders@alderfinch.example', 5000, 1, 'Pays by transfer within 30 days'),
  ('C002', 'Birchwood Supplies', 'Bristol', '0117 496 0102', 'buying@birchwood.example', 2500, 1, NULL),
  ('C003', 'Copperleaf Studio', 'York', '01904 496103', 'hello@copperleaf.example', 1000, 1, NULL),
  ('C004', 'Dunmore Engineering', 'Glasgow', '0141 496 0104', 'stores@dunmore.example', 8000, 1, 'Deliver to the rear gate'),
  ('C005', 'Eastgate Bakery', 'Norwich', '01603 496105', 'office@eastgate.example', 1000, 1, NULL),
  ('C006', 'Fernhill Garden Centre', 'Exeter', '01392 496106', 'accounts@fernhill.example', 3000, 1, NULL),
  ('C007', 'Granite Peak Outdoor', 'Inverness', '01463 496107', 'shop@granitepeak.example', 1500, 1, NULL),
  ('C008', 'Harbour Light Cafe', 'Plymouth', '01752 496108', 'harbourlight@cafe.example', 500, 1, 'Cash on delivery'),
  ('C009', 'Ironbridge Printing', 'Telford', '01952 496109', 'print@ironbridge.example', 4000, 1, NULL),
  ('C010', 'Juniper Health Clinic', 'Bath', '01225 496110', 'admin@juniperclinic.example', 2000, 0, 'Account closed');

INSERT INTO Item (Code, Name, Unit, Price, Remark) VALUES
  ('I001', 'A4 Copy Paper', 'box', 24.5, '5 reams of 500 sheets'),
  ('I002', 'Ballpoint Pen, Blue', 'box', 6.8, '50 pens'),
  ('I003', 'Stapler', 'pcs', 12.9, NULL),
  ('I004', 'Stapler Refills 26/6', 'box', 2.4, NULL),
  ('I005', 'Lever Arch File', 'pcs', 3.75, NULL),
  ('I006', 'Desk Lamp', 'pcs', 34, NULL),
  ('I007', 'Packing Tape', 'pcs', 1.95, NULL),
  ('I008', 'Cable Ties', 'set', 4.2, '100 ties'),
  ('I009', 'Copper Wire', 'm', 0.85, NULL),
  ('I010', 'Printer Toner, Black', 'pcs', 59.9, NULL);

INSERT INTO SalesBill (BillNo, BillDate, CustCode, CustName, Total, Remark, CreatedBy, CreationDate, ModifiedBy, ModifiedDate) VALUES
  ('SB202401150001', '2024-01-15 09:30:00', 'C001', 'Alder & Finch Ltd', 149.1, NULL, 'admin', '2024-01-15 09:34:12', NULL, NULL),
  ('SB202402030002', '2024-02-03 14:05:00', 'C004', 'Dunmore Engineering', 123, 'Urgent', 'admin', '2024-02-03 14:07:45', NULL, NULL),
  ('SB202403110003', '2024-03-11 11:20:00', 'C006', 'Fernhill Garden Centre', 190, NULL, 'admin', '2024-03-11 11:26:03', 'admin', '2024-03-12 08:45:00');

INSERT INTO SalesBillLine (BillNo, ItemCode, ItemName, Qty, Price, Amount) VALUES
  ('SB202401150001', 'I001', 'A4 Copy Paper', 4, 24.5, 98),
  ('SB202401150001', 'I002', 'Ballpoint Pen, Blue', 2, 6.8, 13.6),
  ('SB202401150001', 'I005', 'Lever Arch File', 10, 3.75, 37.5),
  ('SB202402030002', 'I009', 'Copper Wire', 120, 0.85, 102),
  ('SB202402030002', 'I008', 'Cable Ties', 5, 4.2, 21),
  ('SB202403110003', 'I006', 'Desk Lamp', 2, 34, 68),
  ('SB202403110003', 'I007', 'Packing Tape', 12, 1.95, 23.4),
  ('SB202403110003', 'I010', 'Printer Toner, Black', 1, 59.9, 59.9),
  ('SB202403110003', 'I003', 'Stapler', 3, 12.9, 38.7);

-- The last bill number given out.
INSERT INTO tblBillID (RsName, RsField, CurrID) VALUES ('SalesBill', 'BillNo', 3);
