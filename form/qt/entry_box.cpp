// The text box: its margins, its tooltip, what it shows after the focus, and its pastes.
#include "form/qt/entry_box.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>

#include <memory>

#include "form/box_text.h"
#include "form/qt/box_string.h"

namespace {

// QLineEdit keeps this many pixels between its contents and the text, on either side, on top of
// the text margins; negative text margins take most of it back. The boxes are a few characters
// wide, and every pixel shows more of what was typed.
constexpr int kLineEditMargin = 2;
constexpr int kTextMargin = -1;

// Newer Qt names the standard menu's actions; Qt 6.4 only labels them.
QAction* FindPasteAction(const QMenu& menu) {
    const QString label = QLineEdit::tr("&Paste");
    for (QAction* action : menu.actions()) {
        if (action->objectName() == QLatin1String("edit-paste") ||
            action->text().section(QLatin1Char('\t'), 0, 0) == label) {
            return action;
        }
    }
    return nullptr;
}

}  // namespace

EntryBox::EntryBox(QWidget* parent) : QLineEdit(parent) {
    setTextMargins(kTextMargin, 0, kTextMargin, 0);
}

QString EntryBox::OverflowTip() const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const int room = contents.marginsRemoved(textMargins()).width() - 2 * kLineEditMargin;
    const QString text = displayText();
    if (fontMetrics().horizontalAdvance(text) <= room) {
        return {};
    }
    const std::u16string tip = ToolTipText(Units(text));
    return QString(reinterpret_cast<const QChar*>(tip.data()), static_cast<qsizetype>(tip.size()));
}

bool EntryBox::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (const QString tip = OverflowTip(); !tip.isEmpty()) {
            QToolTip::showText(help->globalPos(), tip, this);
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QLineEdit::event(event);
}

// A box left with its tail in view would show "5" for "1.5": the beginning is what was typed
// first. A context menu takes the focus only for a moment, and its paste goes to the cursor.
void EntryBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason) {
        setCursorPosition(0);
    }
}

void EntryBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste) && !isReadOnly()) {
        PasteWithinLimit(QClipboard::Clipboard);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// X11's middle-button paste of the selection.
void EntryBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && !isReadOnly() &&
        QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        PasteWithinLimit(QClipboard::Selection);
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void EntryBox::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    if (QAction* paste = FindPasteAction(*menu)) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connect(paste, &QAction::triggered, this,
                [this] { PasteWithinLimit(QClipboard::Clipboard); });
    }
    menu->exec(event->globalPos());
}

void EntryBox::PasteWithinLimit(QClipboard::Mode mode) {
    const QString clip = QGuiApplication::clipboard()->text(mode);
    if (clip.isEmpty() && !hasSelectedText()) {
        return;
    }
    const auto room = static_cast<std::size_t>(maxLength() - text().size() + selectedText().size());
    insert(clip.left(static_cast<qsizetype>(CutToLength(Units(clip), room).size())));
}
