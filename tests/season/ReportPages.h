#pragma once

// The season report's pages read back as XML: what a test needs to know of a page.

#include <QDir>
#include <QFile>
#include <QSet>
#include <QStringList>
#include <QXmlStreamReader>

struct ReportPage
{
    struct Table
    {
        QString kind; // its class
        QString caption;
        QList<QStringList> rows; // header row first, every cell's text
    };

    QString error;       // the XML reader's, with line and column; empty for a well-formed page
    QStringList links;   // every href and src
    QSet<QString> ids;   // every id
    QStringList scripts; // every script element, or event handler attribute
    QList<Table> tables;
    QString text;                      // every text of the page, one after another
    QList<QPair<QString, bool>> named; // texts of elements with dir="auto", and whether they had it

    static ReportPage read(const QString &path)
    {
        ReportPage page;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            page.error = QStringLiteral("cannot open");
            return page;
        }
        QXmlStreamReader xml(&file);
        Table *table = nullptr;
        QString *cell = nullptr;
        QString cellText;
        bool inCaption = false;
        bool autoDirection = false;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement()) {
                const QString name = xml.name().toString();
                for (const QXmlStreamAttribute &attribute : xml.attributes()) {
                    const QString key = attribute.name().toString();
                    if (key == u"href" || key == u"src")
                        page.links << attribute.value().toString();
                    if (key == u"id")
                        page.ids << attribute.value().toString();
                    if (key.startsWith(u"on"))
                        page.scripts << key;
                }
                if (name == u"script")
                    page.scripts << name;
                if (name == u"table") {
                    page.tables.append({xml.attributes().value(QStringLiteral("class")).toString(), {}, {}});
                    table = &page.tables.last();
                } else if (name == u"caption") {
                    inCaption = true;
                } else if (name == u"tr" && table) {
                    table->rows.append(QStringList());
                } else if ((name == u"td" || name == u"th") && table) {
                    cellText.clear();
                    cell = &cellText;
                    autoDirection = xml.attributes().value(QStringLiteral("dir")) == u"auto";
                }
            } else if (xml.isEndElement()) {
                const QString name = xml.name().toString();
                if (name == u"table") {
                    table = nullptr;
                } else if (name == u"caption") {
                    inCaption = false;
                } else if ((name == u"td" || name == u"th") && table && cell) {
                    table->rows.last() << cellText;
                    page.named.append({cellText, autoDirection});
                    cell = nullptr;
                }
            } else if (xml.isCharacters()) {
                page.text += xml.text();
                if (cell)
                    *cell += xml.text();
                if (inCaption && table)
                    table->caption += xml.text();
            }
        }
        if (xml.hasError())
            page.error =
                QStringLiteral("%1 at %2:%3").arg(xml.errorString()).arg(xml.lineNumber()).arg(xml.columnNumber());
        return page;
    }
};
