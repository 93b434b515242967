#include "ui/tape/tape_file.h"

#include "store/whole_file.h"

#include "engine/words.h"

namespace quillet {
namespace {

QString CsvField(const QString& field)
{
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) && !field.contains(QLatin1Char('\n'))
        && !field.contains(QLatin1Char('\r')))
        return field;
    QString quoted = field;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

template <typename Fields>
QString CsvRow(const Fields& fields)
{
    QStringList row;
    for (const auto& field : fields) row << CsvField(QString::fromUtf8(field.data(), static_cast<qsizetype>(field.size())));
    return row.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

} // namespace

QByteArray TapeFileText(const TapeModel& tape, TapeFileKind kind)
{
    QString text;
    if (kind == TapeFileKind::kCsv) text += CsvRow(CsvColumns());
    for (int row = 0; row < tape.rowCount(); ++row) {
        const StepRecord& line = tape.Line(row);
        text += kind == TapeFileKind::kCsv ? CsvRow(CsvFields(line))
                                           : QString::fromStdString(TapeLineText(line)) + QLatin1Char('\n');
    }
    return text.toUtf8();
}

bool WriteTapeFile(const TapeModel& tape, TapeFileKind kind, const QString& path, QString& error)
{
    return WriteWholeFile(path, TapeFileText(tape, kind), error);
}

TapeFileKind TapeFileKindOf(const QString& path)
{
    return path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) ? TapeFileKind::kCsv : TapeFileKind::kText;
}

} // namespace quillet
