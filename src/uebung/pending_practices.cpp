#include "uebung/pending_practices.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonValue optional(const std::optional<std::int64_t>& value) {
    return value ? QJsonValue(static_cast<qint64>(*value)) : QJsonValue();
}

std::optional<std::int64_t> optionalFrom(const QJsonValue& value) {
    return value.isDouble() ? std::optional<std::int64_t>(value.toInteger()) : std::nullopt;
}

QJsonObject objectOf(const PracticeRecord& r) {
    QJsonArray spins;
    for (const SpinRecord& s : r.spins) {
        spins.append(QJsonArray{s.number, static_cast<int>(s.call), optional(s.reactionMs)});
    }
    return {{QStringLiteral("started"), r.started.toUTC().toString(Qt::ISODateWithMs)},
            {QStringLiteral("figure"), r.figure},
            {QStringLiteral("tempo"), r.tempo},
            {QStringLiteral("fromPermanence"), r.fromPermanence},
            {QStringLiteral("signals"), static_cast<qint64>(r.signalCount)},
            {QStringLiteral("hits"), static_cast<qint64>(r.hits)},
            {QStringLiteral("wrongColour"), static_cast<qint64>(r.wrongColour)},
            {QStringLiteral("missed"), static_cast<qint64>(r.missed)},
            {QStringLiteral("falseCalls"), static_cast<qint64>(r.falseCalls)},
            {QStringLiteral("medianReactionMs"), optional(r.medianReactionMs)},
            {QStringLiteral("units"), r.units},
            {QStringLiteral("perfectUnits"), r.perfectUnits},
            {QStringLiteral("spins"), spins}};
}

PracticeRecord recordFrom(const QJsonObject& o) {
    PracticeRecord r;
    r.started =
        QDateTime::fromString(o.value(QStringLiteral("started")).toString(), Qt::ISODateWithMs)
            .toLocalTime();
    r.figure = o.value(QStringLiteral("figure")).toString();
    r.tempo = o.value(QStringLiteral("tempo")).toString();
    r.fromPermanence = o.value(QStringLiteral("fromPermanence")).toBool();
    r.signalCount = o.value(QStringLiteral("signals")).toInteger();
    r.hits = o.value(QStringLiteral("hits")).toInteger();
    r.wrongColour = o.value(QStringLiteral("wrongColour")).toInteger();
    r.missed = o.value(QStringLiteral("missed")).toInteger();
    r.falseCalls = o.value(QStringLiteral("falseCalls")).toInteger();
    r.medianReactionMs = optionalFrom(o.value(QStringLiteral("medianReactionMs")));
    r.units = o.value(QStringLiteral("units")).toDouble();
    r.perfectUnits = o.value(QStringLiteral("perfectUnits")).toDouble();
    for (const QJsonValue& value : o.value(QStringLiteral("spins")).toArray()) {
        const QJsonArray s = value.toArray();
        r.spins.push_back({s.at(0).toInt(), static_cast<sorvik1::Farbcode>(s.at(1).toInt()),
                           optionalFrom(s.at(2))});
    }
    r.spinCount = static_cast<std::int64_t>(r.spins.size());
    return r;
}

} // namespace

QString pendingPracticesPath(const QString& databasePath) {
    return QFileInfo(databasePath).absolutePath() + QStringLiteral("/uebungen-ausstehend.json");
}

QByteArray pendingPracticesJson(const std::vector<PracticeRecord>& records) {
    QJsonArray list;
    for (const PracticeRecord& record : records) {
        list.append(objectOf(record));
    }
    return QJsonDocument(list).toJson(QJsonDocument::Compact);
}

std::vector<PracticeRecord> pendingPracticesFrom(const QByteArray& json) {
    std::vector<PracticeRecord> records;
    for (const QJsonValue& value : QJsonDocument::fromJson(json).array()) {
        if (value.isObject()) {
            records.push_back(recordFrom(value.toObject()));
        }
    }
    return records;
}
