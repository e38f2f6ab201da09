// Qt's own texts in the real window, run under LANG=C (the test's environment): the save dialog,
// its overwrite question and the text field's menu speak Japanese in the window's font.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include "form_fixture.h"
#include "platform/application.h"
#include "platform/qt_dialogs.h"

namespace nabrilo::testing {
namespace {

// The words of a caption, without its mnemonic and its shortcut.
QString Plain(QString text) {
  return text.section(QLatin1Char('\t'), 0, 0)
      .remove(QRegularExpression(QStringLiteral("\\(&.\\)")))
      .remove(QLatin1Char('&'));
}

// What a user reads on the dialog: labels, buttons and their tips, the menu, the side bar, the
// headings and the type column.
QStringList Texts(QWidget* dialog) {
  QStringList t;
  for (const auto* l : dialog->findChildren<QLabel*>()) t << l->text();
  for (const auto* b : dialog->findChildren<QAbstractButton*>()) t << b->text() << b->toolTip();
  for (const auto* a : dialog->findChildren<QAction*>()) t << a->text();
  for (const auto* v : dialog->findChildren<QListView*>()) {
    for (int r = 0; v->model() && r < v->model()->rowCount(v->rootIndex()); ++r) {
      t << v->model()->index(r, 0, v->rootIndex()).data().toString();
    }
  }
  for (const auto* v : dialog->findChildren<QTreeView*>()) {
    const QAbstractItemModel* m = v->model();
    for (int c = 0; c < m->columnCount(); ++c) t << m->headerData(c, Qt::Horizontal).toString();
    for (int r = 0; r < m->rowCount(v->rootIndex()); ++r) {
      t << m->index(r, 2, v->rootIndex()).data().toString();
    }
  }
  t.removeAll(QString());
  for (QString& s : t) s = Plain(s);
  return t;
}

const QStringList kEnglish = {
    "Look in", "File name", "Files of type", "Open",   "Save",  "Cancel",  "Computer",
    "Name",    "Size",      "Type",          "Date",   "Back",  "Forward", "Parent",
    "Folder",  "Rename",    "Delete",        "hidden", "File",  "Yes",     "No",
    "Undo",    "Redo",      "Cut",           "Copy",   "Paste", "Select",  "already exists"};

QStringList EnglishIn(const QStringList& texts) {
  QStringList found;
  for (const QString& s : texts) {
    for (const QString& word : kEnglish) {
      if (s.contains(word, Qt::CaseInsensitive)) found << s;
    }
  }
  return found;
}

TEST_F(FormTest, QtsOwnTextsAreJapaneseUnderLangC) {
  ASSERT_EQ(QLocale::system().language(), QLocale::C) << "run with LANG=C";
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QFile(dir.filePath("t1.bmp")).open(QIODevice::WriteOnly);
  QDir(dir.path()).mkdir("sub");

  QtDialogs real;
  SetDialogs(&real);
  QStringList dialog_texts, question_texts;
  QFont dialog_font, question_font;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->setDirectory(dir.path());
    QTRY_COMPARE(dialog->findChild<QTreeView*>()->model()->rowCount(
                     dialog->findChild<QTreeView*>()->rootIndex()),
                 2);
    dialog_texts = Texts(dialog);
    dialog_font = dialog->font();
    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText("t1.bmp");
    QTimer::singleShot(0, [&] {
      auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(question, nullptr);
      question_texts = Texts(question);
      question_font = question->font();
      question->button(QMessageBox::No)->click();
    });
    static_cast<QDialog*>(dialog)
        ->accept();                    // as the save button does: asks first, the file exists
    EXPECT_TRUE(dialog->isVisible());  // "いいえ" keeps the dialog open
    dialog->reject();
  });
  Click(form->Btn_File);
  SetDialogs(&dialogs);

  for (const char* word : {"アドレス:", "ファイル名:", "ファイルの種類:", "保存", "キャンセル",
                           "コンピュータ", "名前", "更新日", "フォルダー", "BMP ファイル"}) {
    EXPECT_TRUE(dialog_texts.contains(QString::fromUtf8(word))) << word;
  }
  EXPECT_EQ(EnglishIn(dialog_texts), QStringList()) << dialog_texts.join(" / ").toStdString();
  EXPECT_TRUE(question_texts.contains("はい"));
  EXPECT_TRUE(question_texts.contains("いいえ"));
  EXPECT_EQ(EnglishIn(question_texts), QStringList()) << question_texts.join(" / ").toStdString();
  EXPECT_EQ(QFileInfo(dir.filePath("t1.bmp")).size(), 0);  // not written over
  EXPECT_TRUE(Shown().isEmpty());
  // The dialogs in the window's font, not a small fallback.
  for (const QFont& f : {dialog_font, question_font}) {
    EXPECT_EQ(f.family(), form->font().family());
    EXPECT_EQ(f.pixelSize(), form->font().pixelSize());
  }

  // The text field's own menu.
  std::unique_ptr<QMenu> menu(form->Edit_X->createStandardContextMenu());
  QStringList menu_texts;
  for (const QAction* a : menu->actions()) menu_texts << Plain(a->text());
  menu_texts.removeAll(QString());
  EXPECT_TRUE(menu_texts.contains("貼り付け")) << menu_texts.join(" / ").toStdString();
  EXPECT_EQ(EnglishIn(menu_texts), QStringList()) << menu_texts.join(" / ").toStdString();
}

TEST(QtTexts, WithoutTheTranslationSayOneLineAndGoOn) {
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(UseJapaneseQtTexts(QStringLiteral("/nonexistent")));
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_NE(said.find("qtbase_ja.qm"), std::string::npos) << said;
  EXPECT_EQ(QLocale().language(), QLocale::Japanese);
}

}  // namespace
}  // namespace nabrilo::testing
