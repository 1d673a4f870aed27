// Renders the program's icon for the desktop's icon theme: quorvel_icons <folder>
// writes <folder>/<size>x<size>/apps/<id>.png for every size the hicolor theme uses.
#include "ui/art/Art.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        QTextStream(stderr) << "usage: quorvel_icons <folder> <application id>\n";
        return 2;
    }
    const QString folder = arguments.at(1);
    const QString id = arguments.at(2);
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString sized = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        if (!QDir().mkpath(sized) || !Art::iconImage(size).save(sized + u'/' + id + QStringLiteral(".png"))) {
            QTextStream(stderr) << "quorvel_icons: cannot write into " << sized << '\n';
            return 1;
        }
    }
    return 0;
}
