#include "automation/RandomCalls.h"

#include <QFile>
#include <QXmlStreamReader>

#include <limits>

namespace {

// Question counts stay below the thousands: a window of tens of thousands
// of columns takes the table seconds to lay out, which is no fault of the
// interface.
const int kIntegers[] = {std::numeric_limits<int>::min(), -1, 0, 1, 2, 3, 4, 5, 7, 12, 36, 48, 200, 1000, 70000,
                         std::numeric_limits<int>::max()};
constexpr int kCountMethodsLimit = 1000;

std::vector<std::pair<QString, QString>> InterfaceMethods() {
    QFile file(QStringLiteral(VEMO_INTERFACE_XML));
    file.open(QIODevice::ReadOnly);
    QXmlStreamReader reader(&file);
    std::vector<std::pair<QString, QString>> methods;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement()) continue;
        if (reader.name() == u"method") methods.emplace_back(reader.attributes().value("name").toString(), QString());
        if (reader.name() == u"arg" && reader.attributes().value("direction") == u"in")
            methods.back().second += reader.attributes().value("type");
    }
    return methods;
}

}  // namespace

RandomCalls::RandomCalls(const QString& folder, unsigned seed) : FRandom(seed) {
    for (auto& [name, types] : InterfaceMethods()) FMethods.push_back({name, types});
    FTexts = {QString(),
              QStringLiteral("Альфа"),
              QStringLiteral("АЛЬФА"),
              QStringLiteral("Бета"),
              QStringLiteral("Тула"),
              QStringLiteral("Ёжики\t\"в\"\r\nтумане"),
              QStringLiteral("中文 ✓ 😀"),
              QString(300, QLatin1Char('w')),
              QString(40000, QChar(0x0416)),
              QStringLiteral("01.02.26"),
              QStringLiteral("31.02.26"),
              QStringLiteral("1.2"),
              QStringLiteral("ab.cd.ef"),
              QStringLiteral("-1.-1.-1")};
    FFiles = {QString(), folder + QStringLiteral("/game.qgm"), folder + QStringLiteral("/report.txt"),
              folder + QStringLiteral("/missing/game.qgm"), folder + QStringLiteral("/Игра.qgm")};
}

QString RandomCalls::Text(const QString& method) {
    const bool fileName = method == u"OpenFile" || method == u"SaveFile" || method == u"OutResultFile";
    const QStringList& pool = fileName ? FFiles : FTexts;
    return pool[static_cast<int>(FRandom() % static_cast<unsigned>(pool.size()))];
}

QVariant RandomCalls::Argument(QChar type, const QString& method) {
    if (type == u's') return Text(method);
    if (type == u'b') return FRandom() % 2 == 0;
    int value = kIntegers[FRandom() % std::size(kIntegers)];
    if (FRandom() % 2 == 0) value = static_cast<int>(FRandom() % 8);
    const bool questionCount = method == u"NewGame" || method == u"SetQuestionCount";
    return questionCount ? std::min(value, kCountMethodsLimit) : value;
}

RandomCalls::Call RandomCalls::Next() {
    const Method& method = FMethods[FRandom() % FMethods.size()];
    Call call{method.name, {}};
    for (QChar type : method.inTypes) call.arguments.append(Argument(type, method.name));
    return call;
}

bool AcceptableReply(const QDBusMessage& reply) {
    return reply.type() == QDBusMessage::ReplyMessage ||
           (reply.type() == QDBusMessage::ErrorMessage && reply.errorName() == u"Vemo.Error.Unexpected");
}
