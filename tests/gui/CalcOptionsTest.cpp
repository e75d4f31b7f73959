#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <deque>

#include "search/ui/CDialogAddPreset.h"
#include "search/ui/CDialogCalcOptions.h"
#include "support/TempDir.h"

namespace ostrel {

namespace {

class ScriptedBoxes : public MessageBoxes {
 public:
  Answer Show(const std::string& title, const std::string& text, MessageIcon, MessageButtons,
              Answer defaultAnswer) override {
    shown << QString::fromStdString(title + ": " + text);
    if (answers.empty()) return defaultAnswer;
    Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  QStringList shown;
  std::deque<Answer> answers;
};

// Types text into an edit as a user would, then leaves it.
void Type(QLineEdit& edit, const QString& text) {
  edit.setFocus();
  edit.selectAll();
  QTest::keyClicks(&edit, text);
  emit edit.editingFinished();
}

}  // namespace

class CalcOptionsTest : public QObject {
  Q_OBJECT

 private:
  test::TempDir dir;
  std::unique_ptr<AppConfig> config;
  ScriptedBoxes boxes;
  CalcSettings& Calc() { return config->GetCurrentProfile().Calc(); }

 private slots:
  void init() {
    std::remove((dir / "Ostrel.cfg").c_str());
    config = std::make_unique<AppConfig>(dir / "Ostrel.cfg");
    boxes.shown.clear();
    boxes.answers.clear();
  }
  void cleanup() { config.reset(); }

  void RejectedTextsKeepTheSize() {
    CDialogCalcOptions dialog(*config, boxes, nullptr);
    QCOMPARE(dialog.MediaSize().text(), QString("700"));
    for (const char* text : {"abc", "0", "-5"}) {
      Type(dialog.MediaSize(), text);
      QCOMPARE(Calc().GetMediaSize(), int64_t{734003200});
      QCOMPARE(dialog.MediaSize().text(), QString("700"));
    }
    Type(dialog.MediaSize(), "650");
    QCOMPARE(Calc().GetMediaSize(), int64_t{681574400});
  }

  void UnitSwitchShowsTheSameBytes() {
    CDialogCalcOptions dialog(*config, boxes, nullptr);
    dialog.Unit().setCurrentIndex(3);
    emit dialog.Unit().activated(3);
    QCOMPARE(dialog.MediaSize().text(), QString("0.68359375"));
    QCOMPARE(Calc().GetMediaSize(), int64_t{734003200});
    QCOMPARE(Calc().GetMediaSizeType(), 30);
  }

  void PresetsFillAndTypingClearsTheChoice() {
    CDialogCalcOptions dialog(*config, boxes, nullptr);
    QCOMPARE(dialog.Presets().count(), 10);
    QCOMPARE(dialog.Presets().currentIndex(), -1);
    dialog.Presets().setCurrentIndex(2);
    dialog.SelectPreset().click();
    QCOMPARE(Calc().GetMediaSize(), int64_t{4700000000});
    QCOMPARE(Calc().GetMediaSizeType(), 30);
    QCOMPARE(Calc().GetAudioLength(), 511.41);
    QCOMPARE(dialog.MediaSize().text(), QString("4.37721610069"));  // eleven decimals at most
    Type(dialog.MediaSize(), "4");
    QCOMPARE(dialog.Presets().currentIndex(), -1);
  }

  void CancelRestoresEverything() {
    CDialogCalcOptions dialog(*config, boxes, nullptr);
    emit dialog.Unit().activated(1);
    Type(dialog.MediaSize(), "123");
    dialog.AudioMode().click();
    dialog.UsePcts().click();
    QCOMPARE(Calc().GetCalcType(), CalcType::Audio);
    dialog.reject();
    QCOMPARE(Calc().GetCalcType(), CalcType::Data);
    QCOMPARE(Calc().GetMediaSize(), int64_t{734003200});
    QCOMPARE(Calc().GetMediaSizeType(), 20);
    QVERIFY(Calc().GetUsePcts());
  }

  void AudioQuestionIsAskedOnce() {
    CDialogCalcOptions dialog(*config, boxes, nullptr);
    boxes.answers = {Answer::No};
    dialog.AudioMode().click();
    QVERIFY(dialog.DataMode().isChecked());
    QCOMPARE(Calc().GetCalcType(), CalcType::Data);
    QCOMPARE(boxes.shown.size(), 1);
    QVERIFY(boxes.shown[0].startsWith("Warning: In order to accurately calculate optimal"));
    dialog.AudioMode().click();
    QCOMPARE(Calc().GetCalcType(), CalcType::Audio);
    QCOMPARE(boxes.shown.size(), 1);
    QVERIFY(dialog.AudioLength().isEnabled());
    QVERIFY(!dialog.MediaSize().isEnabled());
  }

  void OkValidatesInOrder() {
    struct Case {
      const char* what;
      bool usePcts;
      double min;
      double max;
      bool useTime;
      Answer answer;
      bool closes;
      const char* asked;  // title of the box shown, or empty
    } cases[] = {
        {"max below min", true, 90, 80, true, Answer::Ok, false, "Error"},
        {"equal with time limit", true, 90, 90, true, Answer::Ok, true, ""},
        {"equal without time limit, No", true, 90, 90, false, Answer::No, false, "Warning"},
        {"equal without time limit, Yes", true, 90, 90, false, Answer::Yes, true, "Warning"},
        {"both off, No", false, 90, 80, false, Answer::No, false, "Warning"},
        {"pcts off: order not tested", false, 90, 80, true, Answer::Ok, true, ""},
    };
    for (const Case& c : cases) {
      Calc().SetUsePcts(c.usePcts);
      Calc().SetPctMin(c.min);
      Calc().SetPctMax(c.max);
      Calc().SetUseTimeLimit(c.useTime);
      CDialogCalcOptions dialog(*config, boxes, nullptr);
      boxes.shown.clear();
      boxes.answers = {c.answer};
      dialog.accept();
      QVERIFY2((dialog.result() == QDialog::Accepted) == c.closes, c.what);
      QVERIFY2(c.asked[0] == '\0' ? boxes.shown.isEmpty()
                                  : boxes.shown.size() == 1 && boxes.shown[0].startsWith(c.asked),
               c.what);
    }
  }

  void AddPresetChecks() {
    struct Case {
      const char* name;
      const char* size;
      const char* audio;
      bool added;
      int64_t bytes;
      double minutes;
      const char* message;
    } cases[] = {
        {"Twelve", "12abc", "1e2", true, 12, 100, ""},
        {"X", "abc", "1", false, 0, 0, "Please enter a positive integer for Media Size."},
        {"X", "-5", "1", false, 0, 0, "Please enter a positive integer for Media Size."},
        {"X", "5", "0", false, 0, 0, "Please enter a positive numeric value for Audio Length."},
        {"", "", "", false, 0, 0,
         "Please enter a preset name.\n\nPlease enter a positive integer for Media Size.\n\n"
         "Please enter a positive numeric value for Audio Length."},
        {"=", "5", "1", false, 0, 0, "Please enter a preset name."},
    };
    for (const Case& c : cases) {
      size_t before = config->GetPresets().size();
      CDialogAddPreset dialog(*config, boxes, nullptr);
      boxes.shown.clear();
      dialog.Name().setText(c.name);
      dialog.Size().setText(c.size);
      dialog.AudioLength().setText(c.audio);
      dialog.SizeType().setCurrentIndex(2);
      dialog.AddPreset();
      QCOMPARE(config->GetPresets().size(), before + (c.added ? 1 : 0));
      if (c.added) {
        QCOMPARE(config->GetPresets().back().GetSize(), c.bytes);
        QCOMPARE(config->GetPresets().back().GetAudioLength(), c.minutes);
        QCOMPARE(config->GetPresets().back().GetSizeType(), 20);
        QVERIFY(boxes.shown.isEmpty());
      } else {
        QCOMPARE(boxes.shown, QStringList({QString("Error Adding Preset: ") + c.message}));
      }
    }
  }

  void NewPresetIsSelectedAndApplied() {
    CDialogCalcOptions dialog(*config, boxes, nullptr);
    QTimer::singleShot(0, [this] {
      auto* add = qobject_cast<CDialogAddPreset*>(QApplication::activeModalWidget());
      QVERIFY(add != nullptr);
      add->Name().setText("Mine");
      add->Size().setText("1048576");
      add->SizeType().setCurrentIndex(2);
      add->AudioLength().setText("3");
      add->AddPreset();
    });
    dialog.AddPreset().click();
    QCOMPARE(dialog.Presets().currentIndex(), 10);
    QCOMPARE(dialog.Presets().currentText(), QString("Mine"));
    QCOMPARE(Calc().GetMediaSize(), int64_t{1048576});
    QCOMPARE(dialog.MediaSize().text(), QString("1"));
  }
};

}  // namespace ostrel

QTEST_MAIN(ostrel::CalcOptionsTest)
#include "CalcOptionsTest.moc"
