#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "app/ui/QtMessageBoxes.h"
#include "candidates/FolderItem.h"
#include "candidates/MeasurementCaches.h"
#include "candidates/ProgressChannel.h"
#include "candidates/ui/CDialogSizeProgress.h"
#include "support/TempDir.h"

namespace ostrel {

class CDialogSizeProgressTest : public QObject {
  Q_OBJECT

 private slots:
  void ShowsWhatIsMeasured() {
    test::TempDir dir;
    std::string file = dir.WriteFile("tree/a.wav", "x");
    FolderItem tree(dir / "tree");
    ClearMeasurementCaches();
    CDialogSizeProgress window;
    ProgressChannel& channel = ProgressChannel::Size();
    channel.SetDisplay(&window);

    channel.Open(400, 300, 2);
    QVERIFY(window.isVisible());
    QCOMPARE(window.windowTitle(), QString("Updating Candidate Sizes..."));
    QCOMPARE(window.Maximum(), 2);
    QCOMPARE(window.pos() + QPoint(window.width() / 2, window.height() / 2), QPoint(400, 300));

    tree.GetSize();
    QCOMPARE(window.KindText(), QString("Calculating size of..."));
    QCOMPARE(window.PathText(), QString::fromStdString(dir / "tree"));
    QTest::qWait(25);
    channel.Step();
    // The path shown follows the reports at most 50 times a second.
    QCOMPARE(window.PathText(), QString::fromStdString(file));
    tree.GetAudioLength();
    QCOMPARE(window.KindText(), QString("Calculating audio length of..."));
    channel.Step();
    channel.Step();
    QCOMPARE(window.Position(), 2);

    channel.Close();
    QVERIFY(!window.isVisible());
    channel.SetDisplay(nullptr);
  }

  void MessageBoxesAnswerWithTheirButtons() {
    QWidget owner;
    QtMessageBoxes boxes(&owner);
    auto pressDefault = [] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box != nullptr);
      QCOMPARE(box->windowTitle(), QString("Remove Result Set"));
      QCOMPARE(box->text(), QString("Remove?"));
      QCOMPARE(box->icon(), QMessageBox::Warning);
      QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      box->defaultButton()->click();
    };
    QTimer::singleShot(0, pressDefault);
    QCOMPARE(boxes.Show("Remove Result Set", "Remove?", MessageIcon::Warning,
                        MessageButtons::YesNoCancel, Answer::Cancel),
             Answer::Cancel);
    QTimer::singleShot(0, [] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box != nullptr);
      box->button(QMessageBox::Yes)->click();
    });
    QCOMPARE(boxes.Show("Q", "?", MessageIcon::None, MessageButtons::YesNo, Answer::No),
             Answer::Yes);
    QTimer::singleShot(0, [] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box != nullptr);
      QCOMPARE(box->textFormat(), Qt::PlainText);
      box->defaultButton()->click();
    });
    boxes.Show("Warning", "/home/u/<b>bold</b>", MessageIcon::Warning, MessageButtons::Ok,
               Answer::Ok);
  }
};

}  // namespace ostrel

QTEST_MAIN(ostrel::CDialogSizeProgressTest)
#include "CDialogSizeProgressTest.moc"
