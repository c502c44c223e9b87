-- Fixed rows of the designer's lookup lists.

INSERT INTO tblClass (ID, [Language], ClassIndex) VALUES
  ('Table', 'Tables', 1),
  ('Recordset', 'Record Sources', 2),
  ('Module', 'Modules', 3);

-- Types offered for designed columns; only varchar takes a length.
INSERT INTO tblFieldType (ID, TypeIndex) VALUES
  ('varchar', 1),
  ('int', 2),
  ('money', 3),
  ('float', 4),
  ('datetime', 5),
  ('text', 6),
  ('bit', 7);

INSERT INTO tblControlType (ID, TypeIndex) VALUES
  ('Text', 1),
  ('TextArea', 2),
  ('Combo', 3),
  ('ComboList', 4),
  ('DateTime', 5),
  ('Check', 6);

INSERT INTO tblInputRange (ID, InputIndex) VALUES
  ('Any', 1),
  ('Digital', 2),
  ('Letter', 3),
  ('DigitalOrLetter', 4),
  ('Email', 5),
  ('Custom', 6);

INSERT INTO tblSpecField (ID, FieldIndex) VALUES
  ('', 1),
  ('createdby', 2),
  ('creationdate', 3),
  ('modifiedby', 4),
  ('modifieddate', 5);

INSERT INTO tblFormTemplate (FormTemplateName, FormIndex) VALUES
  ('SingleRs', 1),
  ('MultiRs', 2);
