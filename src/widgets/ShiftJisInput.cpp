#include "widgets/ShiftJisInput.h"

#include "common/ShiftJis.h"

#include <QLineEdit>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QStringView>
#include <QTextCursor>
#include <QTextDocument>
#include <QValidator>

#include <algorithm>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

namespace {

bool isWritable(QStringView character)
{
    return rivet::sjis::encode(character.toString().toStdString()).has_value();
}

bool isDocumentBreak(char16_t c)
{
    return c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == QChar::Nbsp;
}

// Characters of text that Shift-JIS cannot write, as (position, length) in UTF-16 units, in
// order. lineBreaksAllowed: the paragraph and line separators and the no-break space of a
// text document count as writable (its plain text turns them into line breaks and blanks).
std::vector<std::pair<int, int>> unwritableCharacters(QStringView text, bool lineBreaksAllowed = false)
{
    std::vector<std::pair<int, int>> found;
    // Called as the player types: when the converter cannot be had, nothing is refused here
    // and the check when the file is written reports it.
    try {
        // Most text is writable: one conversion tells.
        QString checked = text.toString();
        if (lineBreaksAllowed) {
            for (QChar& c : checked) {
                c = isDocumentBreak(c.unicode()) ? QChar(u' ') : c;
            }
        }
        if (rivet::sjis::encode(checked.toStdString())) {
            return found;
        }
        for (qsizetype i = 0; i < checked.size();) {
            const qsizetype length
                = checked[i].isHighSurrogate() && i + 1 < checked.size() && checked[i + 1].isLowSurrogate() ? 2 : 1;
            if (!isWritable(QStringView(checked).mid(i, length))) {
                found.emplace_back(static_cast<int>(i), static_cast<int>(length));
            }
            i += length;
        }
    } catch (...) {
        found.clear();
    }
    return found;
}

// The field's own check: whatever typing, pasting, dropping or an input method puts into the
// field passes through it before the field reports the change, and it takes the unwritable
// characters out. The field's textEdited, which follows every change it made, reports them.
class ShiftJisValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override
    {
        const auto unwritable = unwritableCharacters(input);
        if (unwritable.empty()) {
            return Acceptable;
        }
        if (m_refused.isEmpty()) {
            m_refused = input.mid(unwritable.front().first, unwritable.front().second);
        }
        int removedBeforeCursor = 0;
        for (auto it = unwritable.rbegin(); it != unwritable.rend(); ++it) {
            input.remove(it->first, it->second);
            if (it->first < position) {
                removedBeforeCursor += std::min(it->second, position - it->first);
            }
        }
        position -= removedBeforeCursor;
        return Acceptable;
    }

    // The first character refused since the last call; empty when none.
    QString takeRefused() { return std::exchange(m_refused, QString()); }

private:
    mutable QString m_refused;
};

} // namespace

ShiftJisInputFilter::ShiftJisInputFilter(QObject* parent)
    : QObject(parent)
{
}

void ShiftJisInputFilter::watch(QLineEdit* field)
{
    auto* validator = new ShiftJisValidator(field);
    field->setValidator(validator);
    connect(field, &QLineEdit::textEdited, this, [this, validator] {
        const QString refusedCharacter = validator->takeRefused();
        if (!refusedCharacter.isEmpty()) {
            Q_EMIT refused(refusedCharacter);
        }
    });
}

void ShiftJisInputFilter::watch(QPlainTextEdit* memo)
{
    // The memo's textChanged relays its document's contentsChanged, connected when the
    // document is set: a document connected here first lets the filter go before it.
    auto* document = new QTextDocument(memo);
    document->setDocumentLayout(new QPlainTextDocumentLayout(document));
    document->setDefaultFont(memo->document()->defaultFont());
    document->setPlainText(memo->toPlainText());
    auto changed = std::make_shared<std::pair<int, int>>(std::numeric_limits<int>::max(), -1);
    connect(document, &QTextDocument::contentsChange, this, [changed](int from, int, int added) {
        changed->first = std::min(changed->first, from);
        changed->second = std::max(changed->second, from + added);
    });
    // The document may not be edited while it reports a change, only once it is complete.
    connect(document, &QTextDocument::contentsChanged, this, [this, memo, changed] {
        const auto [from, to] = std::exchange(*changed, {std::numeric_limits<int>::max(), -1});
        if (from < to) {
            admitIntoMemo(memo, from, to);
        }
    });
    memo->setDocument(document);
}

void ShiftJisInputFilter::admitIntoMemo(QPlainTextEdit* memo, int from, int to)
{
    QTextCursor cursor(memo->document());
    cursor.setPosition(from);
    cursor.setPosition(std::min(to, memo->document()->characterCount() - 1), QTextCursor::KeepAnchor);
    const QString inserted = cursor.selectedText();
    const auto unwritable = unwritableCharacters(inserted, true);
    if (unwritable.empty()) {
        return;
    }
    // One step with the edit that brought the characters, so undo takes back both.
    cursor.joinPreviousEditBlock();
    for (auto it = unwritable.rbegin(); it != unwritable.rend(); ++it) {
        cursor.setPosition(from + it->first);
        cursor.setPosition(from + it->first + it->second, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    cursor.endEditBlock();
    Q_EMIT refused(inserted.mid(unwritable.front().first, unwritable.front().second));
}
