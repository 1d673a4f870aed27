#include "scoresheet/FieldArray.h"
#include "scoresheet/NumberText.h"
#include "scoresheet/ScoresheetOverflow.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <limits>

class TestScoresheetNumbers : public QObject
{
    Q_OBJECT

private slots:
    // A field's text counts as the number it begins with, blanks anywhere skipped.
    void textValue_data();
    void textValue();
    // Numbers too large for a double are an overflow, tiny ones count as 0.
    void textValueBeyondDouble();
    // Halves go to the even neighbour; the 16-bit range is checked.
    void roundToInteger_data();
    void roundToInteger();
    // Whole numbers as plain digits, fractions with a full stop and no trailing zeros.
    void numberText_data();
    void numberText();
    // The locale never changes how numbers are read or written.
    void localeIndependence();
    // Column sums round and range-check after every element.
    void columnSum_data();
    void columnSum();
    // The overflow names the column and the element where the sum left the range.
    void columnSumOverflow();
};

void TestScoresheetNumbers::textValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letter first") << "x3" << 0.0;
    QTest::newRow("digits then letters") << "3abc" << 3.0;
    QTest::newRow("minus") << "-4" << -4.0;
    QTest::newRow("plus") << "+4" << 4.0;
    QTest::newRow("double sign") << "--4" << 0.0;
    QTest::newRow("fraction") << "1.5" << 1.5;
    QTest::newRow("leading point") << ".25" << 0.25;
    QTest::newRow("trailing point") << "7." << 7.0;
    QTest::newRow("second point ends") << "1.2.3" << 1.2;
    QTest::newRow("comma ends") << "2,5" << 2.0;
    QTest::newRow("blanks between digits") << " 1 2\t3\n4 " << 1234.0;
    QTest::newRow("blank after sign") << "- 3" << -3.0;
    QTest::newRow("carriage return ends") << "1\r2" << 1.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("leading zeros") << "007" << 7.0;
    QTest::newRow("small fraction") << "0.05" << 0.05;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("exponent upper, signed") << "25E-1" << 2.5;
    QTest::newRow("exponent with blanks") << "2 e 2" << 200.0;
    QTest::newRow("e without digits") << "3e" << 3.0;
    QTest::newRow("e then letter") << "3ex" << 3.0;
    QTest::newRow("long digits") << "123456789012345678" << 123456789012345678.0;
    QTest::newRow("long fraction") << "0.1234567890123456789" << 0.1234567890123456789;
    QTest::newRow("hex prefix is text") << "&H10" << 0.0;
}

void TestScoresheetNumbers::textValue()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(::textValue(text), value);
}

void TestScoresheetNumbers::textValueBeyondDouble()
{
    QVERIFY_THROWS_EXCEPTION(ScoresheetOverflow, ::textValue(u"1e309"));
    QVERIFY_THROWS_EXCEPTION(ScoresheetOverflow, ::textValue(u"-2e99999999999999999999"));
    QVERIFY_THROWS_EXCEPTION(ScoresheetOverflow, ::textValue(QString(400, u'9')));
    QCOMPARE(::textValue(u"1e308"), 1e308);
    QCOMPARE(::textValue(u"1e-400"), 0.0);
}

void TestScoresheetNumbers::roundToInteger_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("rounded");
    QTest::newRow("0.5") << 0.5 << 0;
    QTest::newRow("1.5") << 1.5 << 2;
    QTest::newRow("2.5") << 2.5 << 2;
    QTest::newRow("-1.5") << -1.5 << -2;
    QTest::newRow("-2.5") << -2.5 << -2;
    QTest::newRow("2.6") << 2.6 << 3;
    QTest::newRow("top") << 32767.4 << 32767;
    QTest::newRow("bottom") << -32768.5 << -32768;
}

void TestScoresheetNumbers::roundToInteger()
{
    QFETCH(double, value);
    QFETCH(int, rounded);
    QCOMPARE(int(::roundToInteger(value)), rounded);
    QVERIFY_THROWS_EXCEPTION(ScoresheetOverflow, ::roundToInteger(32767.5));
    QVERIFY_THROWS_EXCEPTION(ScoresheetOverflow, ::roundToInteger(-32768.51));
    QVERIFY_THROWS_EXCEPTION(ScoresheetOverflow, ::roundToInteger(std::numeric_limits<double>::infinity()));
}

void TestScoresheetNumbers::numberText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("whole") << 7.0 << "7";
    QTest::newRow("negative") << -12.0 << "-12";
    QTest::newRow("beyond 16 bits") << 60000.0 << "60000";
    QTest::newRow("half") << 2.5 << "2.5";
    QTest::newRow("15 digits") << 1.0 / 3.0 << "0.333333333333333";
    QTest::newRow("no trailing zeros") << 0.1 + 0.2 << "0.3";
    QTest::newRow("huge") << 1e20 << "1e+20";
}

void TestScoresheetNumbers::numberText()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(::numberText(value), text);
    QCOMPARE(::numberText(qint16(-32768)), QStringLiteral("-32768"));
    QVERIFY_THROWS_EXCEPTION(ScoresheetOverflow, ::numberText(std::numeric_limits<double>::infinity()));
}

void TestScoresheetNumbers::localeIndependence()
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(::numberText(2.5), QStringLiteral("2.5"));
    QCOMPARE(::textValue(u"2.5"), 2.5);
    QCOMPARE(::textValue(u"2,5"), 2.0);
    QLocale::setDefault(saved);
}

void TestScoresheetNumbers::columnSum_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("sum");
    QTest::newRow("empty") << QStringList{} << 0;
    QTest::newRow("0.5 0.5") << QStringList{"0.5", "0.5"} << 0;
    QTest::newRow("1.5 alone") << QStringList{"1.5"} << 2;
    QTest::newRow("2.5 alone") << QStringList{"2.5"} << 2;
    QTest::newRow("1.5 1.5") << QStringList{"1.5", "1.5"} << 4;
    QTest::newRow("2.5 2.5") << QStringList{"2.5", "2.5"} << 4;
    QTest::newRow("text and numbers") << QStringList{"3x", "abc", "", "-1"} << 2;
    QTest::newRow("to the top") << QStringList{"32000", "767"} << 32767;
}

void TestScoresheetNumbers::columnSum()
{
    QFETCH(QStringList, texts);
    QFETCH(int, sum);
    FieldArray column(sheetColumn(ColumnId::HitP), Side::Away);
    column[0].write(u"99"); // element 0 is never part of a 1.. sum
    for (int i = 0; i < texts.size(); ++i)
        column[i + 1].write(texts[i]);
    QCOMPARE(int(::columnSum(column, 1, 14)), sum);
}

void TestScoresheetNumbers::columnSumOverflow()
{
    FieldArray column(sheetColumn(ColumnId::Hit), Side::Away);
    column[1].write(u"30000");
    column[2].write(u"2768");
    column[3].write(u"-5000"); // would bring it back, but the check is per element
    try {
        ::columnSum(column, 1, 12);
        QFAIL("no overflow");
    } catch (const ScoresheetOverflow &error) {
        QCOMPARE(error.fieldName(), QStringLiteral("txtHitA"));
        QCOMPARE(error.index(), 2);
        QCOMPARE(error.message(),
                 QStringLiteral("The away team's batting H column no longer fits between -32768 and 32767 (row 2)."));
    }
    QCOMPARE(int(::columnSum(column, 1, 1)), 30000);
    column[1].write(u"1e400");
    QVERIFY_THROWS_EXCEPTION(ScoresheetOverflow, ::columnSum(column, 1, 12));
}

QTEST_GUILESS_MAIN(TestScoresheetNumbers)
#include "TestScoresheetNumbers.moc"
