// Driving the window: clicks on buttons, radio items, the colour box and the spinner, typing,
// keys, dialog answers, the clipboard and saving the picture.
#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QImageReader>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include "app/form_main.h"
#include "document/bmp_file.h"
#include "document/picture_file.h"
#include "scenario_runner.h"

namespace nabrilo {

namespace {

// The picture in a BMP, JPEG or PNG file, as RGB32.
QImage ReadPicture(const QString& path) {
  if (PictureKindOf(path) == PictureKind::Jpeg) {
    const PictureLoad load = LoadPictureFile(path);
    if (load.outcome == PictureLoad::Loaded) return load.image;
  }
  QImageReader reader(path);
  const QImage image = reader.read();
  if (image.isNull()) {
    throw ScenarioError(
        QStringLiteral("cannot read the picture \"%1\": %2").arg(path, reader.errorString()));
  }
  return image.convertToFormat(QImage::Format_RGB32);
}

void WritePicture(const QImage& image, const QString& path) {
  if (!WriteBmpFile(image, path)) {
    throw ScenarioError(QStringLiteral("cannot write \"%1\"").arg(path));
  }
}

// Where a click lands on a radio button: its indicator and text, not the empty rest.
QPoint RadioClickPoint(QRadioButton* button) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  return button->style()->subElementRect(QStyle::SE_RadioButtonClickRect, &option, button).center();
}

}  // namespace

// A real pointer reaches a control only where nothing else lies in front of it.
void ScenarioRunner::RequireReachable(QWidget* widget, QPoint at, const QString& name) const {
  QWidget* window = widget->window();
  QWidget* hit = window->childAt(widget->mapTo(window, at));
  if (!widget->isVisible() || (hit != widget && !widget->isAncestorOf(hit))) {
    throw ScenarioError(QStringLiteral("\"%1\" cannot be clicked: %2 lies in front of it")
                            .arg(name, hit ? hit->objectName() : QStringLiteral("nothing")));
  }
}

void ScenarioRunner::ClickAt(QWidget* widget, QPoint at) {
  // A disabled control takes no click; nothing else hears of it either.
  if (!widget->isEnabled()) return;
  PlacePointer(widget->mapToGlobal(at));
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
}

void ScenarioRunner::ClickButton(QAbstractButton* button) {
  const QPoint centre = button->rect().center();
  RequireReachable(button, centre, button->objectName());
  ClickAt(button, centre);
}

void ScenarioRunner::Click(const Args& a) {
  ClickButton(ControlAs<QAbstractButton>(a[0], "a button"));
}

void ScenarioRunner::Item(const Args& a) {
  auto* group = ControlAs<TRadioGroup>(a[0], "a radio group");
  if (a[1].number >= group->Count()) {
    throw ScenarioError(QStringLiteral("\"%1\" has %2 items; there is no item %3")
                            .arg(a[0].text)
                            .arg(group->Count())
                            .arg(a[1].number));
  }
  QRadioButton* item = group->Item(static_cast<int>(a[1].number));
  const QPoint at = RadioClickPoint(item);
  RequireReachable(item, at, a[0].text);
  ClickAt(item, at);
}

// Opens the drop-down list and clicks the entry, as a user chooses a colour.
void ScenarioRunner::Color(const Args& a) {
  TColorBox* box = form_->ColorBox1;
  RequireReachable(box, box->rect().center(), box->objectName());
  if (!box->isEnabled()) return;
  const int index = box->findText(a[0].text);
  box->showPopup();
  Settle();
  QAbstractItemView* list = box->view();
  const QPoint at = list->visualRect(list->model()->index(index, 0)).center();
  QTest::mouseMove(list->viewport(), at);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
  Settle();
  if (box->currentIndex() != index || list->isVisible()) {
    throw ScenarioError(QStringLiteral("the colour box did not take \"%1\"").arg(a[0].text));
  }
}

void ScenarioRunner::UpDown(const Args& a) {
  TUpDown* spinner = form_->UpDown1;
  QToolButton* arrow =
      a[0].text == QLatin1String("up") ? spinner->UpButton() : spinner->DownButton();
  const qint64 times = a[1].given ? a[1].number : 1;
  for (qint64 i = 0; i < times; ++i) {
    RequireReachable(arrow, arrow->rect().center(), spinner->objectName());
    ClickAt(arrow, arrow->rect().center());
  }
}

// Text arrives as an input method commits it to the widget with the focus.
void ScenarioRunner::Type(const Args& a) {
  QWidget* focus = QApplication::focusWidget();
  if (!focus) throw ScenarioError(QStringLiteral("no control has the focus to type into"));
  if (!focus->testAttribute(Qt::WA_InputMethodEnabled)) {
    // Without an input method the keyboard types the characters one by one.
    for (const QChar c : a[0].text) {
      QTest::sendKeyEvent(QTest::Click, focus, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    return;
  }
  QInputMethodEvent commit;
  commit.setCommitString(a[0].text);
  QCoreApplication::instance()->notify(focus, &commit);
}

void ScenarioRunner::Key(const Args& a) {
  const KeyStroke stroke = *KeyNamed(a[0].text);
  QWidget* focus = QApplication::focusWidget();
  if (!focus) focus = form_.get();
  QTest::sendKeyEvent(QTest::Press, focus, stroke.key, stroke.text, Qt::NoModifier);
  // The press may have closed the field that had the focus.
  QWidget* now = QApplication::focusWidget();
  QTest::sendKeyEvent(QTest::Release, now ? now : form_.get(), stroke.key, stroke.text,
                      Qt::NoModifier);
}

void ScenarioRunner::Answer(const Args& a) {
  if (!a[0].quoted && a[0].text == QLatin1String("cancel")) {
    dialogs_.QueueAnswer(std::nullopt);
  } else {
    dialogs_.QueueAnswer(a[0].text);
  }
}

void ScenarioRunner::Clipboard(const Args& a) {
  QGuiApplication::clipboard()->setImage(ReadPicture(a[0].text));
}

void ScenarioRunner::ClipboardClear(const Args&) {
  QGuiApplication::clipboard()->clear();
}

void ScenarioRunner::ClipboardSave(const Args& a) {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data || !data->hasImage()) {
    throw ScenarioError(QStringLiteral("the clipboard holds no picture"));
  }
  WritePicture(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
               a[0].text);
}

void ScenarioRunner::Save(const Args& a) {
  WritePicture(form_->Image1->Picture().Image(), a[0].text);
}

}  // namespace nabrilo
