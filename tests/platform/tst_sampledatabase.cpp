#include <QFile>
#include <QRegularExpression>
#include <QtTest>

#include "support/TestProgramFolder.h"
#include "platform/db/Connection.h"

using rd::Connection;

// The sample database and the language file that ship with the program.
class TestSampleDatabase : public QObject {
  Q_OBJECT
  std::unique_ptr<TestProgramFolder> folder_;
  std::unique_ptr<Connection> db_;

  // Every row of a query as texts; fails the test when the query fails.
  QList<QStringList> rows(const QString& sql) {
    rd::QueryResult r;
    if (!db_->Query(sql, &r)) {
      QTest::qFail(qPrintable(db_->LastError() + "\n" + sql), __FILE__, __LINE__);
      return {};
    }
    QList<QStringList> out;
    for (int i = 0; i < r.rowCount(); ++i) {
      QStringList row;
      for (int c = 0; c < r.columns.size(); ++c)
        row << r.Text(i, c);
      out << row;
    }
    return out;
  }
  QStringList column(const QString& sql) {
    QStringList out;
    for (const QStringList& row : rows(sql)) out << row.value(0);
    return out;
  }
  QStringList columnNames(const QString& sql) {
    rd::QueryResult r;
    return db_->Query(sql, &r) ? r.columns : QStringList{"<" + db_->LastError() + ">"};
  }
  QString firstRow(const QString& rsName, const QString& column) {
    return this->column("select " + column + " from tblRecordset where RsName='" + rsName +
                        "' order by ID")
        .value(0);
  }
  QStringList fields(const QString& rsName) {
    return column("select Field from tblRecordset where RsName='" + rsName + "' order by ID");
  }

  // Fills "@Field" placeholders with quote-doubled values, longest names
  // first so that no name eats a longer one.
  static QString fill(QString sql, const QMap<QString, QString>& values) {
    QStringList names = values.keys();
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    for (const QString& n : names) sql.replace("@" + n, QString(values[n]).replace("'", "''"));
    return sql;
  }

  // [Language] entries of the shipped language file, in file order.
  static QList<QPair<QString, QString>> languageEntries() {
    QFile f(TestProgramFolder::SourceDir() + "/resources/Language/1033.ini");
    if (!f.open(QIODevice::ReadOnly)) return {};
    QList<QPair<QString, QString>> out;
    bool inLanguage = false;
    for (const QString& raw : QString::fromUtf8(f.readAll()).split('\n')) {
      const QString line = raw.trimmed();
      if (line.startsWith('[')) {
        inLanguage = line.compare("[Language]", Qt::CaseInsensitive) == 0;
      } else if (inLanguage && line.contains('=')) {
        const int eq = line.indexOf('=');
        out << qMakePair(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
      }
    }
    return out;
  }

 private slots:
  void initTestCase() {
    folder_ = std::make_unique<TestProgramFolder>();
    QVERIFY2(folder_->Ok(), qPrintable(folder_->Error()));
    QString error;
    db_ = Connection::OpenSqlite(folder_->DatabasePath(), &error);
    QVERIFY2(db_, qPrintable(error));
  }
  void cleanupTestCase() {
    db_.reset();
    folder_.reset();
  }

  void systemTableColumns_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("columns");
    QTest::newRow("tblMenu") << "tblMenu"
                             << "ID,MenuIndex,[Language],Parent,RsName,RsName2,Relation,FormTemplateName,"
                                "BrowseToolbar,ViewToolbar,AddToolbar,ModifyToolbar";
    QTest::newRow("tblRecordset")
        << "tblRecordset"
        << "ID,RsName,SelectSQL,WhereArea,OrderArea,InsertSQL,UpdateSQL,DeleteSQL,PrintLines,Field,"
           "ControlType,[Language],IsKey,IsShow,IsReadOnly,IsInput,InputRange,InputExp,MaxLength,"
           "DefaultValue,DisplayFormat,SaveFormat,OptionRs,ReturnField,TotalSQL,TotalFormat,"
           "TotalLanguage,Calculate,IsBillID,CustomBillID,SpecField,GridCalculate";
    QTest::newRow("tblToolbar") << "tblToolbar"
                                << "ID,MenuID,ButtonType,Text,ToolTipText,Image,ButtonFunction,"
                                   "ButtonIndex,Mode,Parameter1,Parameter2,Parameter3";
    QTest::newRow("tblUser") << "tblUser" << "ID,UserName,[Password],IsEnable,IsAdmin";
    QTest::newRow("tblPrivilege") << "tblPrivilege" << "UserName,ModuleID";
    QTest::newRow("tblPrivilegeID") << "tblPrivilegeID" << "MenuID,PriName,PriDesc,Mode";
    QTest::newRow("tblTable") << "tblTable"
                              << "ID,TableName,FieldIndex,FieldName,FieldType,FieldLength,IsKey,"
                                 "IsAuto,AllowEmpty,DefaultValue";
    QTest::newRow("tblBillID") << "tblBillID" << "RsName,RsField,CurrID";
    QTest::newRow("tblClass") << "tblClass" << "ID,[Language],ClassIndex";
    QTest::newRow("tblFieldType") << "tblFieldType" << "ID,TypeIndex";
    QTest::newRow("tblControlType") << "tblControlType" << "ID,TypeIndex";
    QTest::newRow("tblInputRange") << "tblInputRange" << "ID,InputIndex";
    QTest::newRow("tblSpecField") << "tblSpecField" << "ID,FieldIndex";
    QTest::newRow("tblFormTemplate") << "tblFormTemplate" << "FormTemplateName,FormIndex";
  }
  void systemTableColumns() {
    QFETCH(QString, table);
    QFETCH(QString, columns);
    QCOMPARE(columnNames("select " + columns + " from " + table + " where 1=0").size(),
             columns.split(',').size());
  }

  void fixedRows_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("expected");
    QTest::newRow("classes") << "select ID from tblClass Order by ClassIndex" << "Table|Recordset|Module";
    QTest::newRow("field types") << "select ID from tblFieldType order by TypeIndex"
                                 << "varchar|int|money|float|datetime|text|bit";
    QTest::newRow("control types") << "select * from tblControlType order by TypeIndex"
                                   << "Text|TextArea|Combo|ComboList|DateTime|Check";
    QTest::newRow("input ranges") << "select * from tblInputRange order by InputIndex"
                                  << "Any|Digital|Letter|DigitalOrLetter|Email|Custom";
    QTest::newRow("special fields, none first") << "select * from tblSpecField order by FieldIndex"
                                                << "|createdby|creationdate|modifiedby|modifieddate";
    QTest::newRow("form templates") << "select FormTemplateName from tblFormTemplate order by FormIndex"
                                    << "SingleRs|MultiRs";
    QTest::newRow("menu bar") << "select ID from tblmenu where parent='0' order by MenuIndex"
                              << "mnuFile|mnuBasic|mnuSales|mnuTools";
    QTest::newRow("file menu") << "select [Language] from tblmenu where parent='mnuFile' order by MenuIndex"
                               << "Lock Screen|Change User|Change Password|-|Exit";
    QTest::newRow("parent in another case") << "select count(*) from tblmenu where parent='MNUTOOLS'" << "9";
    QTest::newRow("admin in another case")
        << "select IsEnable||IsAdmin||([Password] is null) from tblUser where UserName='ADMIN'" << "111";
    QTest::newRow("one user") << "select count(*) from tblUser" << "1";
    QTest::newRow("bill counter in another case")
        << "select CurrID from tblBillID where rsname='salesbill' and rsfield='BILLNO'" << "3";
  }
  void fixedRows() {
    QFETCH(QString, sql);
    QFETCH(QString, expected);
    QCOMPARE(column(sql).join('|'), expected);
  }

  void toolKeysAreMenuRows() {
    const QStringList keys = {"mnuToolsUser", "mnuToolsBackup", "mnuToolsRestore", "mnuToolsPrint",
                              "mnuToolsDevelop", "mnuToolsLock", "mnuToolsCU", "mnuToolsPwd",
                              "mnuToolsPri", "mnuToolsPriList", "mnuExit"};
    const QStringList ids = column("select ID from tblMenu");
    for (const QString& key : keys) QVERIFY2(ids.contains(key), qPrintable(key));
  }

  void menuTreeIsWellFormed() {
    QMap<QString, QString> parentOf;
    for (const QStringList& r : rows("select ID, Parent, [Language] from tblMenu")) {
      QVERIFY2(!r[0].isEmpty() && !r[1].isEmpty() && !r[2].isEmpty(), qPrintable(r.join('|')));
      parentOf[r[0].toLower()] = r[1].toLower();
    }
    for (auto it = parentOf.begin(); it != parentOf.end(); ++it) {
      const QString& parent = it.value();
      if (parent == "0") continue;
      QVERIFY2(parentOf.contains(parent), qPrintable(it.key() + " has no parent " + parent));
      bool numeric = false;
      parent.toLongLong(&numeric);
      QVERIFY2(!numeric, qPrintable("numeric parent " + parent));
      QSet<QString> seen;
      for (QString p = it.key(); p != "0"; p = parentOf.value(p, "0")) {
        QVERIFY2(!seen.contains(p), qPrintable("cycle at " + p));
        seen << p;
      }
    }
  }

  void schemaComparesLikeTheServers() {
    rd::Transaction discard(*db_);
    QVERIFY(db_->Execute("insert into tblMenu(ID,MenuIndex,[Language],Parent) values('t9','9','a','tst')"));
    QVERIFY(db_->Execute("insert into tblMenu(ID,MenuIndex,[Language],Parent) values('t10','10','b','tst')"));
    QCOMPARE(column("select ID from tblMenu where Parent='tst' order by MenuIndex"), QStringList({"t9", "t10"}));
    QVERIFY(db_->Execute("insert into tblTable(TableName,FieldIndex) values('Tst','9')"));
    QVERIFY(db_->Execute("insert into tblTable(TableName,FieldIndex) values('tst','10')"));
    QCOMPARE(column("select max(FieldIndex) from tblTable where TableName='TST'"), QStringList{"10"});
    QCOMPARE(column("select typeof(MenuIndex) from tblMenu where ID='T10'"), QStringList{"integer"});
    QVERIFY(!db_->Execute("insert into tblUser(UserName,IsEnable,IsAdmin) values('Admin','1','0')"));
  }

  void recordSources_data() {
    QTest::addColumn<QString>("rsName");
    for (const char* rs : {"Unit", "Customer", "Item", "SalesBill", "SalesBillLine"}) QTest::newRow(rs) << rs;
  }
  void recordSources() {
    QFETCH(QString, rsName);
    const QString select = firstRow(rsName, "SelectSQL");
    const QString where = firstRow(rsName, "WhereArea");
    const QString order = firstRow(rsName, "OrderArea");
    // The source-level columns are the same on every field row.
    QCOMPARE(column("select count(distinct coalesce(SelectSQL,'')||'|'||coalesce(WhereArea,'')||'|'||"
                    "coalesce(OrderArea,'')||'|'||coalesce(InsertSQL,'')||'|'||coalesce(UpdateSQL,'')||'|'||"
                    "coalesce(DeleteSQL,'')||'|'||coalesce(PrintLines,'')||'|'||coalesce(GridCalculate,'')) "
                    "from tblRecordset where RsName='" +
                    rsName + "'"),
             QStringList{"1"});

    // Field row i is column i of the query; the numeric key ID comes first.
    const QStringList names = columnNames(select + " " + where + " " + order);
    QCOMPARE(names, fields(rsName));
    QCOMPARE(names.value(0), QString("ID"));
    const QString filtered = where.trimmed().isEmpty() ? " WHERE 1=0" : where + " AND 1=0";
    QCOMPARE(columnNames(select + " " + filtered + " " + order), names);

    for (const QString& total : column("select TotalSQL from tblRecordset where RsName='" + rsName +
                                       "' and TotalSQL is not null"))
      QCOMPARE(rows(total.trimmed() + " " + filtered).size(), 1);

    for (const QStringList& r :
         rows("select Field, ControlType, InputRange, coalesce(SpecField,'') from tblRecordset "
              "where RsName='" + rsName + "'")) {
      // The editors compare control types and input ranges exactly.
      QCOMPARE(column("select count(*) from tblControlType where ID='" + r[1] + "' collate binary"),
               QStringList{"1"});
      QCOMPARE(column("select count(*) from tblInputRange where ID='" + r[2] + "' collate binary"),
               QStringList{"1"});
      QCOMPARE(column("select count(*) from tblSpecField where ID='" + r[3] + "'"), QStringList{"1"});
    }
  }

  // The templates are what the designer generates from the select, except
  // that a detail source deletes its lines by the relation's detail field.
  // The sources' order, key checks and the lines' link read an index, not
  // a sort of the whole table.
  void sourcesReadIndexes_data() { recordSources_data(); }
  void sourcesReadIndexes() {
    QFETCH(QString, rsName);
    const QString select = firstRow(rsName, "SelectSQL");
    auto plan = [this](const QString& sql) {
      QStringList steps;
      for (const QStringList& row : rows("explain query plan " + sql)) steps << row.value(3);
      return steps.join("; ");
    };
    const QString ordered = plan(select + " " + firstRow(rsName, "OrderArea"));
    QVERIFY2(!ordered.contains("TEMP B-TREE"), qPrintable(ordered));
    QStringList looked = column("select Field from tblRecordset where RsName='" + rsName +
                                "' and IsKey=1");
    for (const QString& relation :
         column("select Relation from tblMenu where RsName2='" + rsName + "'"))
      looked << relation.section('=', 1).trimmed();
    for (const QString& field : looked) {
      const QString found = plan(select + " where " + field + "='x'");
      QVERIFY2(found.contains("USING INDEX") || found.contains("USING COVERING INDEX"),
               qPrintable(field + ": " + found));
    }
  }

  void templatesAsGenerated_data() { recordSources_data(); }
  void templatesAsGenerated() {
    QFETCH(QString, rsName);
    QStringList set, values;
    QStringList cols;
    for (const QString& f : fields(rsName)) {
      if (f.toUpper() == "ID") continue;
      cols << f;
      values << "'@" + f + "'";
      set << f + "='@" + f + "'";
    }
    QCOMPARE(firstRow(rsName, "InsertSQL"),
             "Insert into " + rsName + "(" + cols.join(',') + ") Values(" + values.join(',') + ")");
    QCOMPARE(firstRow(rsName, "UpdateSQL"), "Update " + rsName + " set " + set.join(',') + " where ID=@ID");
    const QString detailField =
        column("select Relation from tblMenu where RsName2='" + rsName + "'").value(0).section('=', 1);
    QCOMPARE(firstRow(rsName, "DeleteSQL"),
             detailField.isEmpty() ? "Delete from " + rsName + " where ID=@ID"
                                   : "Delete from " + rsName + " where " + detailField + "='@" + detailField + "'");
  }

  void templatesRun_data() { recordSources_data(); }
  void templatesRun() {
    QFETCH(QString, rsName);
    rd::Transaction discard(*db_);
    QMap<QString, QString> values;
    QString textField;
    for (const QStringList& r : rows("select Field, ControlType, InputRange from tblRecordset where RsName='" +
                                     rsName + "' order by ID")) {
      if (r[1] == "Check") values[r[0]] = "1";
      else if (r[1] == "DateTime") values[r[0]] = "2024-05-06 07:08:09";
      else if (r[2] == "Digital") values[r[0]] = "7";
      else {
        values[r[0]] = "O'Test";
        if (textField.isEmpty() && r[0] != "ID") textField = r[0];
      }
    }
    int affected = 0;
    QVERIFY2(db_->Execute(fill(firstRow(rsName, "InsertSQL"), values), &affected), qPrintable(db_->LastError()));
    QCOMPARE(affected, 1);
    values["ID"] = column("select max(ID) from " + rsName).value(0);
    QCOMPARE(column("select " + textField + " from " + rsName + " where ID=" + values["ID"]),
             QStringList{"O'Test"});
    values[textField] = "Changed";
    QVERIFY2(db_->Execute(fill(firstRow(rsName, "UpdateSQL"), values), &affected), qPrintable(db_->LastError()));
    QCOMPARE(affected, 1);
    QCOMPARE(column("select " + textField + " from " + rsName + " where ID=" + values["ID"]),
             QStringList{"Changed"});
    QVERIFY2(db_->Execute(fill(firstRow(rsName, "DeleteSQL"), values)), qPrintable(db_->LastError()));
    QCOMPARE(column("select count(*) from " + rsName + " where ID=" + values["ID"]), QStringList{"0"});
  }

  // Every name a definition refers to exists where the editors look for it.
  void definitionsReferToExistingNames() {
    for (const QStringList& m :
         rows("select ID, FormTemplateName, RsName, coalesce(RsName2,''), coalesce(Relation,'') "
              "from tblMenu where FormTemplateName is not null")) {
      QCOMPARE(column("select count(*) from tblFormTemplate where FormTemplateName='" + m[1] + "'"),
               QStringList{"1"});
      const QStringList master = fields(m[2]);
      QVERIFY2(!master.isEmpty(), qPrintable(m[0]));
      if (m[1] != "MultiRs") continue;
      const QStringList detail = fields(m[3]);
      QVERIFY2(master.contains(m[4].section('=', 0, 0)) && detail.contains(m[4].section('=', 1)),
               qPrintable(m[0] + ": " + m[4]));
      const QString grid = firstRow(m[3], "GridCalculate");
      for (const QString& item : grid.split(';', Qt::SkipEmptyParts)) {
        QVERIFY2(master.contains(item.section('=', 0, 0)), qPrintable(item));
        const QRegularExpressionMatch sum = QRegularExpression("<GetGridColSum:(\\w+)>").match(item);
        QVERIFY2(!sum.hasMatch() || detail.contains(sum.captured(1)), qPrintable(item));
      }
    }
    for (const QStringList& f :
         rows("select RsName, Field, coalesce(OptionRs,''), coalesce(ReturnField,''), "
              "coalesce(Calculate,'') from tblRecordset")) {
      const QStringList own = fields(f[0]);
      if (!f[2].isEmpty()) {
        const QStringList option = columnNames(firstRow(f[2], "SelectSQL"));
        QVERIFY2(!f[3].isEmpty(), qPrintable(f[1]));
        for (const QString& pair : f[3].split(';')) {
          QVERIFY2(own.contains(pair.section('=', 0, 0)), qPrintable(f[1] + ": " + pair));
          QVERIFY2(option.contains(pair.section('=', 1)), qPrintable(f[1] + ": " + pair));
        }
      }
      for (const QString& item : f[4].split(';', Qt::SkipEmptyParts)) {
        QVERIFY2(own.contains(item.section('=', 0, 0)), qPrintable(f[1] + ": " + item));
        QRegularExpressionMatchIterator refs = QRegularExpression("@(\\w+)").globalMatch(item);
        while (refs.hasNext()) QVERIFY2(own.contains(refs.next().captured(1)), qPrintable(item));
      }
    }
  }

  void sampleBillsAddUp() {
    QCOMPARE(column("select count(*) from SalesBillLine where abs(Amount - Qty * Price) > 0.005"), QStringList{"0"});
    QCOMPARE(column("select count(*) from SalesBill b where abs(Total - (select sum(Amount) from "
                    "SalesBillLine l where l.BillNo = b.BillNo)) > 0.005"),
             QStringList{"0"});
    QCOMPARE(column("select count(*) from SalesBill b where (select count(*) from SalesBillLine l "
                    "where l.BillNo = b.BillNo) not between 2 and 4"),
             QStringList{"0"});
    QCOMPARE(column("select count(*) from SalesBillLine where BillNo not in (select BillNo from SalesBill) "
                    "or ItemCode not in (select Code from Item)"),
             QStringList{"0"});
    QCOMPARE(column("select count(*) from SalesBill where CustCode not in (select Code from Customer)"),
             QStringList{"0"});
    // The next number taken must not repeat a stored one.
    QCOMPARE(column("select count(*) from SalesBill where cast(substr(BillNo, -4) as integer) > "
                    "(select CurrID from tblBillID where RsName='SalesBill' and RsField='BillNo')"),
             QStringList{"0"});
  }

  void languageFileIsClean() {
    const auto entries = languageEntries();
    QVERIFY(!entries.isEmpty());
    QSet<QString> keys;
    for (const auto& [key, text] : entries) {
      bool numeric = false;
      QVERIFY2(key.toInt(&numeric) >= 1000 && numeric, qPrintable(key));
      QVERIFY2(!keys.contains(key), qPrintable("duplicate key " + key));
      keys << key;
      QVERIFY2(!text.isEmpty() && text.toUtf8().size() < 254, qPrintable(key));
      QSet<int> used;
      QRegularExpressionMatchIterator it = QRegularExpression("@(\\d+)").globalMatch(text);
      while (it.hasNext()) used << it.next().captured(1).toInt();
      for (int n = 1; n <= int(used.size()); ++n)
        QVERIFY2(used.contains(n), qPrintable(key + ": placeholders not numbered from 1"));
    }
    QCOMPARE(entries.first(), qMakePair(QString("1000"), QString("RecordDesk")));
  }

  void languagePlaceholders_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("placeholders");
    for (const char* key : {"1004", "1005", "1006", "1007", "1008", "1009", "1010", "1011", "1012", "1021",
                            "1022", "1024", "1025", "1026", "1030", "1040", "1071", "1098"})
      QTest::newRow(key) << key << 1;
    QTest::newRow("1089") << "1089" << 2;
    for (const char* key : {"1013", "1014", "1019", "1023", "1029", "1031", "1032", "1038", "1039", "1043",
                            "1050", "1055", "1056", "1057", "1063", "1069", "1072", "1073", "1074", "1086",
                            "1099", "1100", "1111", "1113", "1114", "1115", "1116", "1117", "1121", "1122",
                            "1125"})
      QTest::newRow(key) << key << 0;
  }
  void languagePlaceholders() {
    QFETCH(QString, key);
    QFETCH(int, placeholders);
    QString text;
    bool found = false;
    for (const auto& [k, v] : languageEntries())
      if (k == key) {
        text = v;
        found = true;
      }
    QVERIFY2(found, "missing key");
    QCOMPARE(int(text.count(QRegularExpression("@\\d"))), placeholders);
  }
};

QTEST_GUILESS_MAIN(TestSampleDatabase)
#include "tst_sampledatabase.moc"
