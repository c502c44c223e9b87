-- File and Tools menus with the fixed tool items, and the administrator.
-- A caption '-' is a separator line.

INSERT INTO tblMenu (ID, MenuIndex, [Language], Parent, RsName, RsName2, Relation, FormTemplateName,
                     BrowseToolbar, ViewToolbar, AddToolbar, ModifyToolbar) VALUES
  ('mnuFile', 1, '&File', '0', NULL, NULL, NULL, NULL, 'Standard', 'Standard', 'Standard', 'Standard'),
  ('mnuToolsLock', 1, 'Lock Screen', 'mnuFile', NULL, NULL, NULL, NULL, 'Standard', 'Standard', 'Standard', 'Standard'),
  ('mnuToolsCU', 2, 'Change User', 'mnuFile', NULL, NULL, NULL, NULL, 'Standard', 'Standard', 'Standard', 'Standard'),
  ('mnuToolsPwd', 3, 'Change Password', 'mnuFile', NULL, NULL, NULL, NULL, 'Standard', 'Standard', 'Standard', 'Standard'),
  ('mnuFileBar0', 4, '-', 'mnuFile', NULL, NULL, NULL, NULL, 'Standard', 'Standard', 'Standard', 'Standard'),
  ('mnuExit', 5, 'Exit', 'mnuFile', NULL, NULL, NULL, NULL, 'Standard', 'Standard', 'Standard', 'Standard'),

  ('mnuTools', 9, '&Tools', '0', NULL, NULL, NULL, NULL, 'Standard', 'Standard', 'Standard', 'Standard'),
  ('mnuToolsUser', 1, 'Users', 'mnuTools', NULL, NULL, NULL, NULL, 'Standard', 'Standard', 'Standard', 'Standard'),
  ('mnuToolsPri', 2, 'Privileges', 'mnuTools', NULL, NULL, NULL, NULL, 'Standard', 'Standard', 'Standard', 'Standard'),
  ('mnuToolsPriList', 3, 'Privilege Items', 'mnuTools', NULL, NULL, NULL, NULL, 'Standard', 'Standard', 'Standard', 'Standard'),
  ('mnuToolsBar0', 4, '-', 'mnuTools', NULL, NULL, NULL, NULL, 'Standard', 'Standard', 'Standard', 'Standard'),
  ('mnuToolsDevelop', 5, 'Designer', 'mnuTools', NULL, NULL, NULL, NULL, 'Standard', 'Standard', 'Standard', 'Standard'),
  ('mnuToolsBar1', 6, '-', 'mnuTools', NULL, NULL, NULL, NULL, 'Standard', 'Standard', 'Standard', 'Standard'),
  ('mnuToolsBackup', 7, 'Back Up Database', 'mnuTools', NULL, NULL, NULL, NULL, 'Standard', 'Standard', 'Standard', 'Standard'),
  ('mnuToolsRestore', 8, 'Restore Database', 'mnuTools', NULL, NULL, NULL, NULL, 'Standard', 'Standard', 'Standard', 'Standard'),
  ('mnuToolsPrint', 9, 'Print Setup', 'mnuTools', NULL, NULL, NULL, NULL, 'Standard', 'Standard', 'Standard', 'Standard');

-- The administrator, enabled, with an empty password.
INSERT INTO tblUser (UserName, [Password], IsEnable, IsAdmin) VALUES ('admin', NULL, 1, 1);
