// SPDX-FileCopyrightText: 2026 The Gauntry developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Files of inputs: CSV records read whole whatever the pieces a pipe hands over, rows worked out one by one with
// their own columns kept, rows that cannot be worked out reported and marked, the ranking by payback, header faults
// refused before anything is written, and rows streaming through while the file is still being read.
#include "core/cli/app.h"
#include "core/cli/csv.h"
#include "datarows.h"
#include "shippedtexts.h"

#include <QtTest>

namespace {

// Hands its bytes over a few at a time, as a pipe may.
class Trickle : public QIODevice
{
public:
    explicit Trickle(const QByteArray &bytes) : m_bytes(bytes) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 most) override
    {
        const qint64 n = std::min<qint64>({most, 1 + m_at % 7, m_bytes.size() - m_at});
        std::copy_n(m_bytes.constData() + m_at, n, data);
        m_at += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    qint64 m_at = 0;
};

// Every record as "line:field|field", then how reading ended.
QStringList records(QIODevice &device)
{
    cli::CsvReader reader(device);
    QStringList out;
    for (;;) {
        const cli::CsvReader::Status status = reader.next();
        if (status != cli::CsvReader::Status::Record) {
            if (status != cli::CsvReader::Status::End)
                out << QStringLiteral("stopped at %1").arg(reader.line());
            return out;
        }
        QStringList fields;
        for (qsizetype i = 0; i < reader.fieldCount(); ++i)
            fields << QString::fromUtf8(reader.field(i));
        out << QString::number(reader.line()) + u':' + fields.join(u'|');
    }
}

struct Ran {
    int status = -1;
    QString out;
    QStringList err;
};

Ran run(const QString &commandLine, const QByteArray &input)
{
    QBuffer in, out, err;
    in.setData(input);
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    cli::Environment env;
    env.sourceLanguageDir = shippedLanguageDir();
    Ran r;
    r.status = cli::run(QStringList{"gauntry-calc"} + QProcess::splitCommand(commandLine), env, in, out, err);
    r.out = QString::fromUtf8(out.data());
    r.err = QString::fromUtf8(err.data()).split(u'\n', Qt::SkipEmptyParts);
    return r;
}

const QByteArray kPaybackHeader = "meter,flow,unit,size,price,current-accuracy,water-charge,sewage-charge\n";

struct Csv { const char *name; QByteArray bytes; QStringList records; };
// A command on standard input, what it writes, its messages and exit status.
struct Batch { const char *name; QString command; QByteArray input; QString out; QStringList err; int status; };

} // namespace

class TestCliBatch : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void csvRecords_data()
    {
        static const Csv rows[] = {
            {"plain", "a,b\n1,2\n", {"1:a|b", "2:1|2"}},
            {"quoted comma and doubled quotes", "x,\"a, \"\"b\"\"\"\n", {"1:x|a, \"b\""}},
            {"line end inside quotes", "\"a\nb\",c\nd\n", {"1:a\nb|c", "3:d"}},
            {"CR LF", "a,b\r\n1,2\r\n", {"1:a|b", "2:1|2"}},
            {"no line end at the end", "a\n1", {"1:a", "2:1"}},
            {"byte-order mark", "\xEF\xBB\xBF" "a,b\n", {"1:a|b"}},
            {"blank lines skipped and counted", "a\n\n\r\n1\n", {"1:a", "4:1"}},
            {"an empty quoted field is a record", "a\n\"\"\n", {"1:a", "2:"}},
            {"empty fields", ",,\n", {"1:||"}},
            {"a quote inside a field", "a\"b,c\n", {"1:a\"b|c"}},
            {"text after a closing quote", "\"a\"b,c\n", {"1:ab|c"}},
            {"a lone carriage return is text", "a\rb,c\n", {"1:a\rb|c"}},
            {"non-ASCII", "Sée,\"Zürich, Nord\"\n", {"1:Sée|Zürich, Nord"}},
            {"a quote never closed", "a\n\"b,c\nd\n", {"1:a", "stopped at 2"}},
            {"a record too long", "a\n\"" + QByteArray(cli::CsvReader::kMaxRecord + 10, 'x') + "\"\nb\n",
             {"1:a", "stopped at 2"}},
        };
        addRows(rows);
    }
    void csvRecords()
    {
        QFETCH(Csv, row);
        QBuffer whole;
        whole.setData(row.bytes);
        whole.open(QIODevice::ReadOnly);
        QCOMPARE(records(whole), row.records);
        Trickle pieces(row.bytes);
        QCOMPARE(records(pieces), row.records);
    }

    void batches_data()
    {
        static const Batch rows[] = {
            {"columns kept, results appended", "payback --input - --supply mains", kPaybackHeader +
             "\"Mill Lane, North\",7.853608733,l/s,100,1000,2,1,0.5\n"
             "M2,30,m3/h,100,1500,1.5,1.1,\n",
             "meter,flow,unit,size,price,current-accuracy,water-charge,sewage-charge,annual_usage,revenue_loss,"
             "payback,payback_unit,error\n"
             "\"Mill Lane, North\",7.853608733,l/s,100,1000,2,1,0.5,247671.4,6501.37,56,days,\n"
             "M2,30,m3/h,100,1500,1.5,1.1,,262800,3613.50,151,days,\n",
             {}, 0},
            {"rows that cannot be worked out", "payback --input - --supply battery", kPaybackHeader +
             "M1,abc,l/s,100,1000,2,1,0.5\n"
             "M2,1,l/s,,1000,2,1,0.5\n"
             "M3,1,l/s,100,1000,0.4,1,0.5\n"
             "M4,1,l/s\n"
             "M5,1,l/s,100,1000,2,1,0.5,extra\n"
             "M6,36,m3/h,100,1000,2,1,0.5\n",
             "meter,flow,unit,size,price,current-accuracy,water-charge,sewage-charge,annual_usage,revenue_loss,"
             "payback,payback_unit,error\n"
             "M1,abc,l/s,100,1000,2,1,0.5,,,,,flow: not a number: 'abc'\n"
             "M2,1,l/s,,1000,2,1,0.5,,,,,needs 'size' (or 'annual-usage')\n"
             "M3,1,l/s,100,1000,0.4,1,0.5,,,,,Existing meter accuracy apparently better than or equal to Veldrix "
             "(0.4 % against 0.5 % for a new meter on this supply)\n"
             "M4,1,l/s,,,,,,,,,,3 fields where the header has 8\n"
             "M5,1,l/s,100,1000,2,1,0.5,,,,,9 fields where the header has 8\n"
             "M6,36,m3/h,100,1000,2,1,0.5,315360,7095.60,51,days,\n",
             {"gauntry-calc: standard input:2: flow: not a number: 'abc'",
              "gauntry-calc: standard input:3: needs 'size' (or 'annual-usage')",
              "gauntry-calc: standard input:4: Existing meter accuracy apparently better than or equal to Veldrix "
              "(0.4 % against 0.5 % for a new meter on this supply)",
              "gauntry-calc: standard input:5: 3 fields where the header has 8",
              "gauntry-calc: standard input:6: 9 fields where the header has 8"},
             1},
            {"ranked: days and years by the time they stand for, ties in order, failures last",
             "payback --input - --supply mains --sort payback",
             "meter,annual-usage,price,current-accuracy,water-charge\n"
             "years,1000,1000,2,1\n"
             "failed,x,1000,2,1\n"
             "days,1000,5,2,1\n"
             "half a year,1000,8.75,2,1\n"
             "days too,1000,5,2,1\n"
             "failed too,1000,1000,0.1,1\n",
             "meter,annual-usage,price,current-accuracy,water-charge,annual_usage,revenue_loss,payback,payback_unit,"
             "error\n"
             "days,1000,5,2,1,1000,17.50,104,days,\n"
             "days too,1000,5,2,1,1000,17.50,104,days,\n"
             "half a year,1000,8.75,2,1,1000,17.50,0.500,years,\n"
             "years,1000,1000,2,1,1000,17.50,57.143,years,\n"
             "failed,x,1000,2,1,,,,,annual-usage: not a number: 'x'\n"
             "failed too,1000,1000,0.1,1,,,,,Existing meter accuracy apparently better than or equal to Veldrix "
             "(0.1 % against 0.25 % for a new meter on this supply)\n",
             {"gauntry-calc: standard input:3: annual-usage: not a number: 'x'",
              "gauntry-calc: standard input:7: Existing meter accuracy apparently better than or equal to Veldrix "
              "(0.1 % against 0.25 % for a new meter on this supply)"},
             1},
            {"one JSON object per row", "convert --input - --json", "value,from,to,note\n1,bar,psi,\"a \"\"q\"\"\"\n"
             "-1,bar,psi,\n",
             "{\"value\":\"1\",\"from\":\"bar\",\"to\":\"psi\",\"note\":\"a \\\"q\\\"\",\"quantity\":\"pressure\","
             "\"from_unit\":\"Bar\",\"to_unit\":\"psi\",\"result\":\"14.5038\",\"error\":null}\n"
             "{\"value\":\"-1\",\"from\":\"bar\",\"to\":\"psi\",\"note\":\"\",\"quantity\":null,\"from_unit\":null,"
             "\"to_unit\":null,\"result\":null,\"error\":\"a pressure to convert must be above 0\"}\n",
             {"gauntry-calc: standard input:3: a pressure to convert must be above 0"}, 1},
            {"values trimmed, passing columns not", "size --input - --precise", "flow , unit,id\n 10 , l/s , x \n",
             "flow , unit,id,sizes,size_loss_bar,full_bore_loss_bar,error\n"
             " 10 , l/s , x ,150 40 100 80 65,0.005008693860981506 1.0017387494193983 0.025043468735484957 "
             "0.0626086718387124 0.1252173436774248,0 0 0 0 0,\n",
             {}, 0},
            {"each row on its own: a meter type in one row only", "velocity --input -",
             "flow,unit,size,meter-type\n10,l/s,10,prandel\n10,l/s,100,\n",
             "flow,unit,size,meter-type,velocity,reynolds,regime,accuracy,error\n"
             "10,l/s,10,prandel,127.3300,1270885,Turbulent, ,\n10,l/s,100,,1.2733,127088,Turbulent,,\n",
             {}, 0},
            {"no rows", "select --input -", "fluid\n",
             "fluid,electromagnetic,coriolis,ultrasonic,vortex,wedge,insertion_probe,turbine,error\n", {}, 0},
            {"two columns of one name", "size --input -", "flow,unit,flow\n", "",
             {"gauntry-calc: standard input: two columns are named 'flow'"}, 2},
            {"a column named as a result", "payback --input - --supply mains", "payback,annual-usage,price,"
             "current-accuracy,water-charge\n", "",
             {"gauntry-calc: standard input: the column 'payback' has the name of a result"}, 2},
            {"a column and its option", "size --input - --unit l/s", "flow,unit\n1,l/s\n", "",
             {"gauntry-calc: standard input: 'unit' is both a column and the option --unit"}, 2},
            {"a column no row can do without", "size --input -", "flow,meter\n1,M1\n", "",
             {"gauntry-calc: standard input: needs 'unit' (a column, or the option for every row)"}, 2},
            {"an empty file", "size --input -", "", "", {"gauntry-calc: standard input: no header line"}, 2},
        };
        addRows(rows);
    }
    void batches()
    {
        QFETCH(Batch, row);
        const Ran r = run(row.command, row.input);
        QCOMPARE(r.err, row.err);
        QCOMPARE(r.out, row.out);
        QCOMPARE(r.status, row.status);
    }

    // Without a sort the first rows are written while the rest of the file is still to be read.
    void rowsStream()
    {
        class Rows : public QIODevice
        {
        public:
            qint64 given = 0;
            explicit Rows(qint64 count) : m_count(count) { open(QIODevice::ReadOnly); }
            bool isSequential() const override { return true; }

        protected:
            qint64 readData(char *data, qint64 most) override
            {
                if (given == m_count)
                    return 0;
                const QByteArray row = given == 0 ? QByteArray("flow,unit\n") : QByteArray("12.5,m3/h\n");
                if (most < row.size())
                    return 0;
                std::copy(row.begin(), row.end(), data);
                ++given;
                return row.size();
            }
            qint64 writeData(const char *, qint64) override { return -1; }

        private:
            qint64 m_count;
        };
        class FirstWrite : public QIODevice
        {
        public:
            const Rows &input;
            qint64 readWhenFirstWritten = -1;
            qint64 bytes = 0;
            explicit FirstWrite(const Rows &rows) : input(rows) { open(QIODevice::WriteOnly); }

        protected:
            qint64 readData(char *, qint64) override { return -1; }
            qint64 writeData(const char *, qint64 size) override
            {
                if (readWhenFirstWritten < 0)
                    readWhenFirstWritten = input.given;
                bytes += size;
                return size;
            }
        };
        const qint64 count = 50000;
        Rows in(count);
        FirstWrite out(in);
        QBuffer err;
        err.open(QIODevice::WriteOnly);
        cli::Environment env;
        env.sourceLanguageDir = shippedLanguageDir();
        QCOMPARE(cli::run({"gauntry-calc", "size", "--input", "-"}, env, in, out, err), 0);
        QCOMPARE(in.given, count);
        QVERIFY2(out.readWhenFirstWritten > 0 && out.readWhenFirstWritten < count / 4,
                 qPrintable(QString::number(out.readWhenFirstWritten)));
        QVERIFY(out.bytes > count * 40);
    }
};

QTEST_GUILESS_MAIN(TestCliBatch)
#include "tst_cli_batch.moc"
