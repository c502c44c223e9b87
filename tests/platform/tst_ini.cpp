#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/ini/Ini.h"

class TestIni : public QObject {
  Q_OBJECT
  QTemporaryDir dir_;
  QString write(const QByteArray& content) {
    static int n = 0;
    QString path = dir_.filePath(QString("f%1.ini").arg(n++));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(content);
    return path;
  }
  QByteArray read(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
  }

 private slots:
  void read_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << QByteArray("[System]\nLanguage=1033\n") << "System" << "Language" << "1033";
    QTest::newRow("case ignored") << QByteArray("[SYSTEM]\nlanguage=1033\n") << "System" << "LANGUAGE" << "1033";
    QTest::newRow("first key wins") << QByteArray("[S]\nk=1\nk=2\n") << "S" << "k" << "1";
    QTest::newRow("first section wins") << QByteArray("[S]\nk=1\n[S]\nk=2\nj=3\n") << "S" << "k" << "1";
    QTest::newRow("value after first =") << QByteArray("[S]\nk=a=b\n") << "S" << "k" << "a=b";
    QTest::newRow("missing key") << QByteArray("[S]\nk=1\n") << "S" << "x" << "";
    QTest::newRow("missing section") << QByteArray("[S]\nk=1\n") << "T" << "k" << "";
    QTest::newRow("other section") << QByteArray("[S]\n[T]\nk=1\n") << "S" << "k" << "";
    QTest::newRow("crlf") << QByteArray("[S]\r\nk=v\r\n") << "S" << "k" << "v";
    QTest::newRow("bom") << QByteArray("\xEF\xBB\xBF[S]\nk=v\n") << "S" << "k" << "v";
    QTest::newRow("blanks trimmed") << QByteArray("[S]\n k = v w \n") << "S" << "k" << "v w";
    QTest::newRow("empty file") << QByteArray() << "S" << "k" << "";
    QTest::newRow("truncated") << QByteArray("[S]\nk=v") << "S" << "k" << "v";
    QTest::newRow("long value cut") << QByteArray("[S]\nk=" + QByteArray(300, 'x') + "\n") << "S" << "k" << QString(254, 'x');
    QTest::newRow("double quotes") << QByteArray("[S]\nk= \"My Data.db\" \n") << "S" << "k" << "My Data.db";
    QTest::newRow("single quotes") << QByteArray("[S]\nk='a b'\n") << "S" << "k" << "a b";
    QTest::newRow("mismatched quotes") << QByteArray("[S]\nk=\"a'\n") << "S" << "k" << "\"a'";
    QTest::newRow("one quote") << QByteArray("[S]\nk=\"\n") << "S" << "k" << "\"";
    QTest::newRow("latin-1 byte") << QByteArray("[S]\nk=M\xFCller\n") << "S" << "k" << "M\u00FCller";
    QTest::newRow("8-bit euro and quote") << QByteArray("[S]\nk=\x80 5 \x92s\n") << "S" << "k"
                                          << "\u20AC 5 \u2019s";
    QTest::newRow("utf-16 with bom")
        << QByteArray("\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0\xFC\0\r\0\n\0", 22) << "S" << "k" << "\u00FC";
    QTest::newRow("cut on character") << QByteArray("[S]\nk=" + QByteArray(253, 'x') + "\xC3\xA4" + "\n") << "S" << "k" << QString(253, 'x');
  }
  void read() {
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QCOMPARE(rd::Ini::Read(write(content), section, key), expected);
  }

  void missingFileReadsEmpty() {
    QCOMPARE(rd::Ini::Read(dir_.filePath("none.ini"), "S", "k"), QString(""));
  }

  void write_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("replace in place") << QByteArray("; c\r\n[S]\r\nk=1\r\nj=2\r\n")
                                      << QByteArray("; c\r\n[S]\r\nK=new\r\nj=2\r\n");
    QTest::newRow("append to section") << QByteArray("[S]\nj=2\n\n[T]\nx=1\n")
                                       << QByteArray("[S]\nj=2\nK=new\n\n[T]\nx=1\n");
    QTest::newRow("append section") << QByteArray("[T]\nx=1\n") << QByteArray("[T]\nx=1\n[s]\nK=new\n");
    QTest::newRow("new file") << QByteArray() << QByteArray("[s]\r\nK=new\r\n");
    QTest::newRow("other lines kept byte for byte")
        << QByteArray("[S]\r\nname=M\xFCller\nk=1\r[T]\r\n") << QByteArray("[S]\r\nname=M\xFCller\nK=new\r[T]\r\n");
    QTest::newRow("last line without end") << QByteArray("[S]\nj=2") << QByteArray("[S]\nj=2\nK=new\n");
    QTest::newRow("utf-16 stays utf-16")
        << QByteArray("\xFF\xFE[\0S\0]\0\n\0", 10) << QByteArray("\xFF\xFE[\0S\0]\0\n\0K\0=\0n\0e\0w\0\n\0", 22);
  }
  void write() {
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, expected);
    QString path = content.isEmpty() ? dir_.filePath("new.ini") : this->write(content);
    QVERIFY(rd::Ini::Write(path, "s", "K", "new"));
    QCOMPARE(read(path), expected);
    QCOMPARE(rd::Ini::Read(path, "S", "k"), QString("new"));
  }

  void lineBreaksAreRefused_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("value with LF") << "LoginUser" << "x\nLoginPassword=";
    QTest::newRow("value with CR") << "LoginUser" << "x\r[Print]";
    QTest::newRow("key with LF") << "Login\nUser" << "x";
  }
  void lineBreaksAreRefused() {
    QFETCH(QString, key);
    QFETCH(QString, value);
    const QByteArray before("[System]\nLoginUser=admin\n");
    const QString path = write(before);
    QVERIFY(!rd::Ini::Write(path, "System", key, value));
    QCOMPARE(read(path), before);
  }
};

QTEST_GUILESS_MAIN(TestIni)
#include "tst_ini.moc"
