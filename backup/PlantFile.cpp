#include "backup/PlantFile.h"

#include "backup/PlantText.h"
#include "catalogue/SheetRanges.h"
#include "core/TarnError.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace {

// The line each value of a JSON text starts on, by its path ("machines[0].
// axes[1].port"). QJsonDocument keeps no positions, so a text it accepted is
// walked once more; the walk trusts that the text is valid JSON and stops
// quietly where it is not.
class JsonLines {
public:
    explicit JsonLines(const QByteArray& text) : text_(text) { Value(QString()); }

    // The line of `path`, or of its nearest enclosing value that has one.
    int LineOf(QString path) const {
        while (!path.isEmpty()) {
            if (lines_.contains(path)) {
                return lines_.value(path);
            }
            const int cut =
                std::max(path.lastIndexOf(QLatin1Char('.')), path.lastIndexOf(QLatin1Char('[')));
            path = path.left(std::max(cut, 0));
        }
        return 1;
    }

    // The path of the first key that an object holds twice (QJsonDocument
    // keeps the last silently); empty when there is none.
    const QString& DuplicateKey() const { return duplicate_; }

private:
    void Blank() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '\n') {
                ++line_;
            } else if (c != ' ' && c != '\t' && c != '\r') {
                return;
            }
            ++pos_;
        }
    }

    // A string's raw text between its quotes (escapes left as they are).
    QString String() {
        const qsizetype start = ++pos_;
        while (pos_ < text_.size() && text_[pos_] != '"') {
            pos_ += text_[pos_] == '\\' ? 2 : 1;
        }
        const QString raw = QString::fromUtf8(text_.mid(start, pos_ - start));
        ++pos_;
        return raw;
    }

    void Value(const QString& path) {
        Blank();
        if (pos_ >= text_.size()) {
            return;
        }
        if (!path.isEmpty()) {
            lines_.insert(path, line_);
        }
        const char c = text_[pos_];
        if (c == '{') {
            Members(path);
        } else if (c == '[') {
            Elements(path);
        } else if (c == '"') {
            String();
        } else {
            while (pos_ < text_.size() && !QByteArray(",]} \t\r\n").contains(text_[pos_])) {
                ++pos_;
            }
        }
    }

    void Members(const QString& path) {
        ++pos_;
        QSet<QString> keys;
        for (Blank(); pos_ < text_.size() && text_[pos_] == '"'; Blank()) {
            const int line = line_;
            const QString key = Unescaped(String());
            const QString keyPath = path.isEmpty() ? key : path + QLatin1Char('.') + key;
            if (keys.contains(key) && duplicate_.isEmpty()) {
                duplicate_ = keyPath;
                duplicateLine_ = line;
            }
            keys.insert(key);
            Blank();
            ++pos_; // ':'
            Value(keyPath);
            if (duplicate_ == keyPath) {
                lines_.insert(keyPath, duplicateLine_); // the second one is named
            }
            Blank();
            if (pos_ < text_.size() && text_[pos_] == ',') {
                ++pos_;
            }
        }
        ++pos_; // '}'
    }

    void Elements(const QString& path) {
        ++pos_;
        Blank();
        for (int index = 0; pos_ < text_.size() && text_[pos_] != ']'; ++index) {
            const qsizetype before = pos_;
            Value(QStringLiteral("%1[%2]").arg(path).arg(index));
            Blank();
            if (pos_ < text_.size() && text_[pos_] == ',') {
                ++pos_;
            } else if (pos_ == before) {
                break; // not JSON after all: never loop in place
            }
            Blank();
        }
        ++pos_; // ']'
    }

    // A key as JSON reads it ("p\u006frt" is "port").
    static QString Unescaped(const QString& raw) {
        if (!raw.contains(QLatin1Char('\\'))) {
            return raw;
        }
        const QJsonDocument one =
            QJsonDocument::fromJson((QStringLiteral("[\"") + raw + QStringLiteral("\"]")).toUtf8());
        return one.isArray() ? one.array().at(0).toString() : raw;
    }

    const QByteArray& text_;
    qsizetype pos_ = 0;
    int line_ = 1;
    QHash<QString, int> lines_;
    QString duplicate_;
    int duplicateLine_ = 0;
};

// Builds the plant from a parsed document, naming every refusal's line.
class PlantReader {
public:
    PlantReader(const QByteArray& bytes, const QString& fileName)
        : lines_(bytes), fileName_(fileName) {}

    Plant Read(const QJsonObject& root) {
        if (!lines_.DuplicateKey().isEmpty()) {
            Refuse(lines_.DuplicateKey(), PlantText::tr("鍵重複"));
        }
        Keys(root, QString(),
             {QStringLiteral("plant"), QStringLiteral("machines"), QStringLiteral("ignore")});
        const QList<quint16> plantIgnore = Ignore(root, QString(), {});
        Plant plant;
        plant.name = Text(root, QString(), QStringLiteral("plant"));
        if (plant.name.contains(QRegularExpression(QStringLiteral("[\\x00-\\x1f\\x7f]")))) {
            Refuse(QStringLiteral("plant"), PlantText::tr("廠名不能有控制字元"));
        }
        const QJsonArray machines = List(root, QString(), QStringLiteral("machines"));
        QSet<QString> machineNames;
        for (int m = 0; m < machines.size(); ++m) {
            const QString path = QStringLiteral("machines[%1]").arg(m);
            const QJsonObject machine = Object(machines[m], path);
            Keys(machine, path,
                 {QStringLiteral("name"), QStringLiteral("axes"), QStringLiteral("ignore")});
            const QString name = Name(machine, path, machineNames, Named::Machine);
            const QList<quint16> machineIgnore = Ignore(machine, path, plantIgnore);
            const QJsonArray axes = List(machine, path, QStringLiteral("axes"));
            QSet<QString> axisNames;
            for (int a = 0; a < axes.size(); ++a) {
                const QString axisPath = QStringLiteral("%1.axes[%2]").arg(path).arg(a);
                plant.axes.push_back(Axis(axes[a], axisPath, axisNames));
                plant.axes.back().machine = name;
                plant.axes.back().ignore =
                    Ignore(axes[a].toObject(), axisPath, machineIgnore);
            }
        }
        return plant;
    }

    [[noreturn]] void Refuse(const QString& path, const QString& what) const {
        throw EFileError(
            PlantText::tr("%1 第 %2 行 %3：%4")
                .arg(fileName_)
                .arg(lines_.LineOf(path))
                .arg(path.isEmpty() ? PlantText::tr("（最外層）") : Visible(path), Visible(what)));
    }

private:
    // Names and keys come from the file: a line break or other control
    // character in one is shown as \uXXXX, so a refusal stays one line.
    static QString Visible(const QString& text) {
        QString shown;
        for (const QChar c : text) {
            if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
                c == QChar::ParagraphSeparator) {
                shown += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            } else {
                shown += c;
            }
        }
        return shown;
    }

    static QString Join(const QString& path, const QString& key) {
        return path.isEmpty() ? key : path + QLatin1Char('.') + key;
    }

    // Unknown keys are refused: a misspelt "timout" must not pass unseen.
    void Keys(const QJsonObject& object, const QString& path, const QStringList& known) const {
        for (const QString& key : object.keys()) {
            if (!known.contains(key)) {
                Refuse(
                    Join(path, key),
                    PlantText::tr("不認得的鍵（可用：%1）").arg(known.join(PlantText::tr("、"))));
            }
        }
    }

    QJsonObject Object(const QJsonValue& value, const QString& path) const {
        if (!value.isObject()) {
            Refuse(path, PlantText::tr("要是一個物件 {…}"));
        }
        return value.toObject();
    }

    QString Text(const QJsonObject& object, const QString& path, const QString& key) const {
        if (!object.contains(key)) {
            Refuse(path, PlantText::tr("少了 \"%1\"").arg(key));
        }
        const QJsonValue value = object.value(key);
        if (!value.isString() || value.toString().isEmpty()) {
            Refuse(Join(path, key), PlantText::tr("要是非空的字串"));
        }
        return value.toString();
    }

    QJsonArray List(const QJsonObject& object, const QString& path, const QString& key) const {
        if (!object.contains(key)) {
            Refuse(path, PlantText::tr("少了 \"%1\"").arg(key));
        }
        const QJsonValue value = object.value(key);
        if (!value.isArray() || value.toArray().isEmpty()) {
            Refuse(Join(path, key), PlantText::tr("要是非空的陣列 […]"));
        }
        return value.toArray();
    }

    // `inherited` and the object's "ignore": parameter numbers as integers,
    // each one the drive has.
    QList<quint16> Ignore(const QJsonObject& object, const QString& path,
                          QList<quint16> inherited) const {
        const QString key = Join(path, QStringLiteral("ignore"));
        if (!object.contains(QStringLiteral("ignore"))) {
            return inherited;
        }
        const QJsonValue value = object.value(QStringLiteral("ignore"));
        if (!value.isArray()) {
            Refuse(key, PlantText::tr("要是參數編號的陣列（例如 [618, 700]）"));
        }
        const QJsonArray numbers = value.toArray();
        for (int i = 0; i < numbers.size(); ++i) {
            const double number = numbers[i].toDouble(-1);
            if (!numbers[i].isDouble() || number < 0 || number > 65535 ||
                number != double(qint64(number)) || SlotOf(quint16(number)) < 0) {
                Refuse(QStringLiteral("%1[%2]").arg(key).arg(i),
                       PlantText::tr("不是驅動器的參數編號：%1")
                           .arg(QString::fromUtf8(QJsonDocument(QJsonArray{numbers[i]})
                                                      .toJson(QJsonDocument::Compact))
                                    .mid(1)
                                    .chopped(1)));
            }
            if (!inherited.contains(quint16(number))) {
                inherited << quint16(number);
            }
        }
        std::sort(inherited.begin(), inherited.end());
        return inherited;
    }

    // Whose name: each refusal is one whole sentence in either language.
    enum class Named { Machine, Axis };

    QString Name(const QJsonObject& object, const QString& path, QSet<QString>& seen,
                 Named what) const {
        const QString name = Text(object, path, QStringLiteral("name"));
        const QString key = Join(path, QStringLiteral("name"));
        if (!IsSafePlantName(name)) {
            Refuse(key,
                   (what == Named::Machine
                        ? PlantText::tr("機台名稱只能有字母、數字、中日韓文字、- 和 _（最多 %1 "
                                        "字，不能是 CON、NUL、COM1 之類的裝置名）：%2")
                        : PlantText::tr("軸名稱只能有字母、數字、中日韓文字、- 和 _（最多 %1 "
                                        "字，不能是 CON、NUL、COM1 之類的裝置名）：%2"))
                       .arg(kMaxPlantNameLength)
                       .arg(name));
        }
        const QString folded = name.toCaseFolded();
        if (seen.contains(folded)) {
            Refuse(key, (what == Named::Machine ? PlantText::tr("機台名稱重複：%1")
                                                : PlantText::tr("軸名稱重複：%1"))
                            .arg(name));
        }
        seen.insert(folded);
        return name;
    }

    PlantAxis Axis(const QJsonValue& value, const QString& path, QSet<QString>& seen) const {
        const QJsonObject object = Object(value, path);
        Keys(object, path,
             {QStringLiteral("name"), QStringLiteral("port"), QStringLiteral("timing"),
              QStringLiteral("timeout"), QStringLiteral("ignore")});
        PlantAxis axis;
        axis.name = Name(object, path, seen, Named::Axis);
        axis.port = Text(object, path, QStringLiteral("port"));
        axis.line = lines_.LineOf(Join(path, QStringLiteral("port")));
        if (object.contains(QStringLiteral("timing"))) {
            const QJsonValue timing = object.value(QStringLiteral("timing"));
            if (timing == QJsonValue(QStringLiteral("fixed"))) {
                axis.timing = LinkSettings::Timing::Fixed;
            } else if (timing == QJsonValue(QStringLiteral("reply"))) {
                axis.timing = LinkSettings::Timing::Reply;
            } else {
                Refuse(Join(path, QStringLiteral("timing")),
                       PlantText::tr("只能是 \"fixed\" 或 \"reply\""));
            }
        }
        if (object.contains(QStringLiteral("timeout"))) {
            const double ms = object.value(QStringLiteral("timeout")).toDouble(-1);
            // Bounds first: only a number within them may be turned into an integer.
            if (!(ms >= LinkSettings::kMinTimeoutMs && ms <= LinkSettings::kMaxTimeoutMs) ||
                ms != double(qint64(ms))) {
                Refuse(Join(path, QStringLiteral("timeout")),
                       PlantText::tr("要是 %1 到 %2 之間的整數（ms）")
                           .arg(LinkSettings::kMinTimeoutMs)
                           .arg(LinkSettings::kMaxTimeoutMs));
            }
            axis.timeoutMs = quint32(ms);
        }
        return axis;
    }

    JsonLines lines_;
    QString fileName_;
};

int LineAtOffset(const QByteArray& bytes, int offset) {
    return 1 + int(bytes.left(std::clamp(offset, 0, int(bytes.size()))).count('\n'));
}

bool IsReservedDeviceName(const QString& name) {
    static const QRegularExpression reserved(
        QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])$"),
        QRegularExpression::CaseInsensitiveOption);
    return reserved.match(name).hasMatch();
}

} // namespace

bool IsSafePlantName(const QString& name) {
    const QList<uint> codePoints = name.toUcs4();
    if (codePoints.isEmpty() || codePoints.size() > kMaxPlantNameLength ||
        IsReservedDeviceName(name)) {
        return false;
    }
    for (const uint c : codePoints) {
        const QChar::Category category = QChar::category(char32_t(c));
        const bool letter = category >= QChar::Letter_Uppercase && category <= QChar::Letter_Other;
        if (!letter && category != QChar::Number_DecimalDigit && c != '-' && c != '_') {
            return false;
        }
    }
    return true;
}

Plant ReadPlantText(const QByteArray& bytes, const QString& fileName) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        throw EFileError(PlantText::tr("%1 第 %2 行：不是正確的 JSON（%3）")
                             .arg(fileName)
                             .arg(LineAtOffset(bytes, error.offset))
                             .arg(error.errorString()));
    }
    PlantReader reader(bytes, fileName);
    if (!document.isObject()) {
        reader.Refuse(QString(), PlantText::tr("要是一個物件 {\"plant\": …, \"machines\": […]}"));
    }
    return reader.Read(document.object());
}

Plant ReadPlantFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        throw EFileError(PlantText::tr("無法開啟廠區檔 %1：%2").arg(fileName, file.errorString()));
    }
    return ReadPlantText(file.readAll(), fileName);
}

LinkSettings PlantAxis::Link(const LinkSettings& defaults) const {
    LinkSettings link = defaults;
    if (timing) {
        link.timing = *timing;
    }
    if (timeoutMs) {
        link.SetTimeout(*timeoutMs);
    }
    return link;
}

const PlantAxis* FindAxis(const Plant& plant, const QString& path) {
    for (const PlantAxis& axis : plant.axes) {
        if (axis.Path() == path) {
            return &axis;
        }
    }
    return nullptr;
}

QString NoSuchAxisMessage(const QString& where, const QString& axis) {
    return PlantText::tr("%1 沒有 %2 這一軸").arg(where, axis);
}
