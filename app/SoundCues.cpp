#include "app/SoundCues.h"

#include "toolkit/Resources.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QPointer>
#include <QSoundEffect>
#include <QTemporaryFile>
#include <QUrl>

namespace {
// One effect per cue, loaded once from a temporary copy of the resource
// (the sound effect reads files only). Owned by the application object, so it
// goes before the audio backend does.
class TSoundPlayer : public QObject {
public:
    using QObject::QObject;

    void Play(const QString& name)
    {
        QSoundEffect* effect = Effect(name);
        for (QSoundEffect* other : std::as_const(effects_))
            if (other && other != effect)
                other->stop();
        if (!effect)
            return;
        effect->stop();
        effect->play();
    }

private:
    QSoundEffect* Effect(const QString& name)
    {
        const QString key = name.toUpper();
        if (auto it = effects_.find(key); it != effects_.end())
            return it.value();
        QSoundEffect* effect = nullptr;
        const QByteArray data = FindResourceData(key, QStringLiteral("WAVE"));
        auto* file = new QTemporaryFile(this);
        file->setFileTemplate(QDir::tempPath() + QStringLiteral("/hoopline-XXXXXX.wav"));
        if (!data.isEmpty() && file->open() && file->write(data) == data.size() && file->flush()) {
            effect = new QSoundEffect(this);
            effect->setSource(QUrl::fromLocalFile(file->fileName()));
        } else {
            delete file;
        }
        effects_.insert(key, effect);
        return effect;
    }

    QHash<QString, QSoundEffect*> effects_;
};
}  // namespace

void PlayResourceSound(std::string_view name)
{
    static QPointer<TSoundPlayer> player;
    if (!QCoreApplication::instance())
        return;
    if (!player)
        player = new TSoundPlayer(QCoreApplication::instance());
    player->Play(QString::fromLatin1(name.data(), qsizetype(name.size())));
}
