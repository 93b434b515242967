#include "store/step_columns.h"

#include <QString>

#include <cstdint>

namespace quillet {
namespace {

void BindText(sqlite3_stmt* statement, int column, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(statement, column, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

void BindOperand(sqlite3_stmt* statement, int& column, const StoredOperand& operand)
{
    if (!operand.present) {
        column += 4; // left NULL
        return;
    }
    sqlite3_bind_int64(statement, column++, operand.format);
    sqlite3_bind_int64(statement, column++, operand.inError ? 1 : 0);
    sqlite3_bind_int64(statement, column++, operand.count);
    BindText(statement, column++, operand.digits);
}

} // namespace

void BindStep(sqlite3_stmt* statement, const StoredStep& step)
{
    int column = 1;
    auto number = [&](long long value) { sqlite3_bind_int64(statement, column++, value); };
    number(step.timeMs);
    number(step.kind);
    number(step.registerIndex);
    number(step.format);
    number(step.op);
    BindOperand(statement, column, step.left);
    BindOperand(statement, column, step.right);
    BindOperand(statement, column, step.result);
    number(step.outcome);
    number(step.outcomeField);
    number(step.outcomeNegative ? 1 : 0);
    BindText(statement, column++, step.outcomeReason);
    number(step.exactFormat);
    number(step.exactCount);
    number(step.lineNumber);
    BindText(statement, column++, step.line);
    number(step.lineProblem);
    number(step.linesAdded);
    number(step.linesSkipped);
    number(step.linesLeftOut);
    number(step.termsNotKept);
    BindText(statement, column++, step.keptNote);
}

namespace {

// Reads the columns of a row; a column of the wrong type (text or a real
// number where a whole number belongs, as a hand edit leaves it) makes the
// row damaged.
class RowReader {
public:
    explicit RowReader(sqlite3_stmt* statement) : m_statement(statement) {}
    bool Sound() const { return m_sound; }

    template <typename T>
    void Number(T& out, long long lowest, long long highest)
    {
        const int column = m_column++;
        if (sqlite3_column_type(m_statement, column) != SQLITE_INTEGER) {
            m_sound = false;
            return;
        }
        const long long value = sqlite3_column_int64(m_statement, column);
        if (value < lowest || value > highest) m_sound = false;
        else out = static_cast<T>(value);
    }
    void Flag(bool& out)
    {
        long long value = 0;
        Number(value, 0, 1);
        out = value == 1;
    }
    void Text(QString& out)
    {
        const int column = m_column++;
        if (sqlite3_column_type(m_statement, column) != SQLITE_TEXT) {
            m_sound = false;
            return;
        }
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
        out = QString::fromUtf8(text, sqlite3_column_bytes(m_statement, column));
    }
    void Operand(StoredOperand& operand)
    {
        operand.present = sqlite3_column_type(m_statement, m_column) != SQLITE_NULL;
        if (!operand.present) {
            m_column += 4;
            return;
        }
        Number(operand.format, INT32_MIN, INT32_MAX);
        Flag(operand.inError);
        Number(operand.count, INT64_MIN, INT64_MAX);
        Text(operand.digits);
    }

private:
    sqlite3_stmt* m_statement;
    int m_column = 0;
    bool m_sound = true;
};

} // namespace

StoredStep ReadStep(sqlite3_stmt* statement, bool& sound)
{
    StoredStep step;
    RowReader row(statement);
    constexpr long long kIntMin = INT32_MIN;
    constexpr long long kIntMax = INT32_MAX;
    row.Number(step.timeMs, INT64_MIN, INT64_MAX);
    row.Number(step.kind, kIntMin, kIntMax);
    row.Number(step.registerIndex, kIntMin, kIntMax);
    row.Number(step.format, kIntMin, kIntMax);
    row.Number(step.op, kIntMin, kIntMax);
    row.Operand(step.left);
    row.Operand(step.right);
    row.Operand(step.result);
    row.Number(step.outcome, kIntMin, kIntMax);
    row.Number(step.outcomeField, kIntMin, kIntMax);
    row.Flag(step.outcomeNegative);
    row.Text(step.outcomeReason);
    row.Number(step.exactFormat, kIntMin, kIntMax);
    row.Number(step.exactCount, INT64_MIN, INT64_MAX);
    row.Number(step.lineNumber, INT64_MIN, INT64_MAX);
    row.Text(step.line);
    row.Number(step.lineProblem, kIntMin, kIntMax);
    row.Number(step.linesAdded, INT64_MIN, INT64_MAX);
    row.Number(step.linesSkipped, INT64_MIN, INT64_MAX);
    row.Number(step.linesLeftOut, INT64_MIN, INT64_MAX);
    row.Number(step.termsNotKept, INT64_MIN, INT64_MAX);
    row.Text(step.keptNote);
    sound = row.Sound();
    return step;
}

} // namespace quillet
