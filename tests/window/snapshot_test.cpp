// "--snapshot <dir>" end to end: the built program renders the twelve pages.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList kPages = {"welcome", "missing", "drop", "building", "done", "error"};

struct Run {
  int status = -1;
  QStringList out, err;
};

// Runs the program with `arguments`; `environment` entries are added, and
// QT_QPA_PLATFORM is left unset so the program has to choose by itself.
Run RunProgram(const QStringList& arguments, const QStringList& environment = {}) {
  QTemporaryDir home;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove("QT_QPA_PLATFORM");
  env.remove("DISPLAY");
  env.remove("WAYLAND_DISPLAY");
  env.insert("HOME", home.path());
  for (const QString& entry : environment) {
    env.insert(entry.section('=', 0, 0), entry.section('=', 1));
  }
  QProcess process;
  process.setProcessEnvironment(env);
  process.start(VLMR_TEST_EXECUTABLE, arguments);
  Run run;
  if (!process.waitForFinished(60000)) return run;
  run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
  for (const QString& line :
       QString::fromUtf8(process.readAllStandardError()).split('\n', Qt::SkipEmptyParts)) {
    if (!line.startsWith("QStandardPaths:")) run.err << line;  // Qt's own notice
  }
  return run;
}

QStringList ExpectedFiles(const QString& dir) {
  QStringList files;
  for (const char* suffix : {"light", "dark"}) {
    for (const QString& page : kPages) files << dir + "/" + page + "-" + suffix + ".png";
  }
  return files;
}

}  // namespace

class SnapshotTest : public QObject {
  Q_OBJECT

 private slots:
  // Twelve files in order, each 740 x 630 pixels at any pixel ratio, each in
  // its appearance; an existing file is replaced.
  void writesTwelvePagesInBothAppearances_data() {
    QTest::addColumn<QString>("scale");
    QTest::newRow("ratio 1") << "1";
    QTest::newRow("ratio 2") << "2";
  }
  void writesTwelvePagesInBothAppearances() {
    QFETCH(QString, scale);
    QTemporaryDir root;
    const QString dir = root.filePath("shots/new");
    QDir().mkpath(dir);
    QFile stale(dir + "/done-dark.png");
    stale.open(QIODevice::WriteOnly);
    stale.write("stale");
    stale.close();

    const Run run = RunProgram({"--snapshot", dir}, {"QT_SCALE_FACTOR=" + scale});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QStringList());
    QStringList printed;
    for (const QString& file : ExpectedFiles(dir)) printed << "snapshot " + file;
    QCOMPARE(run.out, printed);
    for (const QString& file : ExpectedFiles(dir)) {
      const QImage image(file);
      QVERIFY2(!image.isNull(), qPrintable(file));
      QCOMPARE(image.size(), QSize(740, 630));
      // The page background in a corner: white in light, slate in dark.
      const QColor corner = image.pixelColor(3, 626);
      QCOMPARE(corner, file.endsWith("-dark.png") ? QColor(32, 41, 45) : QColor(255, 255, 255));
    }
    QCOMPARE(QDir(dir).entryList(QDir::Files).size(), 12);  // no temporary files left
  }

  void unwritableDirectoryFailsEveryFile() {
    QTemporaryDir root;
    QFile blocker(root.filePath("file"));
    blocker.open(QIODevice::WriteOnly);
    blocker.close();
    const QString dir = root.filePath("file/shots");
    const Run run = RunProgram({"--snapshot", dir});
    QCOMPARE(run.status, 1);
    QCOMPARE(run.out, QStringList());
    QStringList failed;
    for (const QString& file : ExpectedFiles(dir)) failed << "snapshot failed: " + file;
    QCOMPARE(run.err, failed);
  }

  void missingDirectoryIsAUsageError_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("last argument") << QStringList{"--snapshot"};
    QTest::newRow("empty value") << QStringList{"--snapshot", ""};
  }
  void missingDirectoryIsAUsageError() {
    QFETCH(QStringList, arguments);
    const Run run = RunProgram(arguments);
    QCOMPARE(run.status, 2);
    QCOMPARE(run.out, QStringList());
    QCOMPARE(run.err, QStringList{"usage: VelmoraInstaller --snapshot <dir> [--language <code>]"});
  }

  // A language we do not ship is refused before anything is written; one we
  // ship renders the same twelve files, in its own words.
  void languageIsOneWeShip() {
    QTemporaryDir root;
    const QString refused = root.filePath("refused");
    for (const QStringList& language :
         {QStringList{"--language", "xx"}, QStringList{"--language"}}) {
      const Run run = RunProgram(QStringList{"--snapshot", refused} + language);
      QCOMPARE(run.status, 2);
      QCOMPARE(run.err,
               QStringList{"--language takes one of: en, de, fr, es, it, pt_BR, ja, pseudo."});
      QVERIFY(!QDir(refused).exists());
    }
    const QString english = root.filePath("en"), german = root.filePath("de");
    QCOMPARE(RunProgram({"--snapshot", english}).status, 0);
    QCOMPARE(RunProgram({"--snapshot", german, "--language", "de"}).status, 0);
    for (const QString& file : ExpectedFiles(german)) {
      QImage image(file);
      QCOMPARE(image.size(), QSize(740, 630));
      QVERIFY2(image != QImage(QString(file).replace(german, english)), qPrintable(file));
    }
  }
};

QTEST_GUILESS_MAIN(SnapshotTest)
#include "snapshot_test.moc"
