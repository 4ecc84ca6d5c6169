#include "about/ui/form2.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

#include "about/about_text.h"
#include "about/ui/form2_texts.h"
#include "common/ui/controls.h"
#include "common/ui/guard.h"
#include "common/ui/platform.h"
#include "common/ui/window_util.h"

namespace trellan {
namespace {

// The design's outer size, and the client area its contents need at least.
constexpr QSize kOuterSize(304, 271);
constexpr QSize kContentSize(296, 241);

}  // namespace

TForm2::TForm2(Platform& platform) : QWidget(nullptr) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("About Trellan"));
    setFont(sansSerifFont(11));
    setFixedSize(kContentSize);
    move(606, 220);

    Memo1 = placed<QPlainTextEdit>(this, QStringLiteral("Memo1"), QRect(8, 8, 281, 193));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setPlainText(QStringLiteral("Memo1"));

    Button1 = captioned<QPushButton>(this, QStringLiteral("Button1"),
                                     QStringLiteral("Close window"), QRect(8, 208, 281, 25));
    connectGuarded(platform, Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    makeAccessible(this, kForm2Texts);
}

void TForm2::FormCreate() {
    // One line to a paragraph, the caret on the first line; laid out when shown.
    Memo1->setPlainText(aboutLines().join(QLatin1Char('\n')));
}

void TForm2::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The design's size counts the frame, which is known once the window is shown.
    if (!outerSizeSet_) {
        outerSizeSet_ = reachOuterSize(this, kOuterSize, kContentSize);
    }
    // Fitted when first seen rather than at start-up, where it would load fonts
    // for a window that may never be shown.
    if (!fitted_) {
        fitted_ = true;
        // The memo has no scroll bars: its whole text must show.
        fitCaption(Memo1);
        Memo1->moveCursor(QTextCursor::Start);
        Memo1->ensureCursorVisible();
    }
}

void TForm2::Button1Click() { hide(); }

}  // namespace trellan
