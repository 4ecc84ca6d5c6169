#include "about/ui/form2.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>

#include "about/about_text.h"
#include "about/ui/form2_texts.h"
#include "common/ui/guard.h"
#include "common/ui/platform.h"
#include "common/ui/window_util.h"

namespace trellan {
namespace {

// The memo has no scroll bars. Where MS Sans Serif is missing its fallback runs
// larger, so shrink it until the whole text shows.
void fitFontToText(QPlainTextEdit* memo) {
    const int frame = 2 * memo->frameWidth();
    QTextDocument probe;
    probe.setDocumentMargin(memo->document()->documentMargin());
    probe.setPlainText(memo->toPlainText());
    probe.setTextWidth(memo->width() - frame);
    QFont font = memo->font();
    probe.setDefaultFont(font);
    while (font.pixelSize() > 8 && probe.size().height() > memo->height() - frame) {
        font.setPixelSize(font.pixelSize() - 1);
        probe.setDefaultFont(font);
    }
    memo->setFont(font);
}

}  // namespace

TForm2::TForm2(Platform& platform) : QWidget(nullptr) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("About Trellan"));
    setFont(sansSerifFont(11));
    setFixedSize(296, 241);
    move(606, 220);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(8, 8, 281, 193);
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setPlainText(QStringLiteral("Memo1"));

    Button1 = new QPushButton(QStringLiteral("Close window"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(8, 208, 281, 25);
    connectGuarded(platform, Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    makeAccessible(this, kForm2Texts);
}

void TForm2::FormCreate() {
    Memo1->clear();
    for (const QString& line : aboutLines()) {
        Memo1->appendPlainText(line);
    }
    // Appending scrolls to the end; the text is read from its first line.
    Memo1->moveCursor(QTextCursor::Start);
    Memo1->ensureCursorVisible();
}

void TForm2::showEvent(QShowEvent* event) {
    // Fitted when first seen rather than at start-up, where it would load fonts
    // for a window that may never be shown.
    if (!fitted_) {
        fitted_ = true;
        fitFontToText(Memo1);
        Memo1->moveCursor(QTextCursor::Start);
        Memo1->ensureCursorVisible();
    }
    QWidget::showEvent(event);
}

void TForm2::Button1Click() { hide(); }

}  // namespace trellan
