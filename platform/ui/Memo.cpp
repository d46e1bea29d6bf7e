#include "platform/ui/Memo.h"

#include <QPlainTextEdit>
#include <QTextCursor>

namespace {
QPlainTextEdit* Edit(QWidget* w) { return static_cast<QPlainTextEdit*>(w); }
}  // namespace

TMemo::TMemo(TComponent* owner)
    : TWinControl(owner, new QPlainTextEdit), FLines(std::make_unique<TStringList>()) {
    FLines->OnChange = [this](TStrings*) { LinesChanged(); };
    QObject::connect(Edit(Widget()), &QPlainTextEdit::textChanged, [this] { WidgetChanged(); });
    SetColor(clWindow);
    SetScrollBars(ssNone);
    SetBounds(0, 0, 185, 89);
}

TMemo::~TMemo() { FLines->OnChange = nullptr; }

void TMemo::LinesChanged() {
    if (FSyncing) return;
    FSyncing = true;
    QStringList lines;
    for (int i = 0; i < FLines->Count(); ++i) lines << QString::fromStdString(FLines->Get(i));
    Edit(Widget())->setPlainText(lines.join('\n'));
    FSyncing = false;
    if (OnChange) Fire([this] { OnChange(this); });
}

void TMemo::WidgetChanged() {
    if (FSyncing) return;
    FSyncing = true;
    QStringList lines = Edit(Widget())->toPlainText().split('\n');
    FLines->BeginUpdate();
    FLines->Clear();
    if (!(lines.size() == 1 && lines[0].isEmpty()))
        for (const QString& line : lines) FLines->Add(line.toStdString());
    FLines->EndUpdate();
    FSyncing = false;
    if (OnChange) Fire([this] { OnChange(this); });
}

const std::string& TMemo::GetText() const {
    FTextCache = FLines->Text();
    return FTextCache;
}

std::string TMemo::SelText() const {
    // The widget separates selected paragraphs with the Unicode paragraph separator.
    QString text = Edit(Widget())->textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return text.toStdString();
}

void TMemo::Select(int start, int length) {
    QTextCursor cursor = Edit(Widget())->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    Edit(Widget())->setTextCursor(cursor);
}

void TMemo::TextChanged() { FLines->SetText(TWinControl::GetText()); }

void TMemo::SetReadOnly(bool value) {
    FReadOnly = value;
    Edit(Widget())->setReadOnly(value);
}

void TMemo::SetScrollBars(TScrollStyle value) {
    FScrollBars = value;
    bool h = value == ssHorizontal || value == ssBoth, v = value == ssVertical || value == ssBoth;
    Edit(Widget())->setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn
                                                   : Qt::ScrollBarAlwaysOff);
    Edit(Widget())->setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    ApplyWrap();
}

void TMemo::SetWordWrap(bool value) {
    FWordWrap = value;
    ApplyWrap();
}

void TMemo::ApplyWrap() {
    bool wrap = FWordWrap && FScrollBars != ssHorizontal && FScrollBars != ssBoth;
    Edit(Widget())->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}
