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
  }
  void write() {
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, expected);
    QString path = content.isEmpty() ? dir_.filePath("new.ini") : this->write(content);
    QVERIFY(rd::Ini::Write(path, "s", "K", "new"));
    QCOMPARE(read(path), expected);
    QCOMPARE(rd::Ini::Read(path, "S", "k"), QString("new"));
  }
};

QTEST_GUILESS_MAIN(TestIni)
#include "tst_ini.moc"
