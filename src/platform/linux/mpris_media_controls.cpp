// The desktop's media controls on Linux: an MPRIS media player on the session bus, so the
// keyboard's media keys and the player widgets of GNOME's and KDE's panels pause, resume and
// step through the sentences, under Wayland too, and show the sentence on the bar.
#include "core/learning/learner_commands.h"
#include "core/learning/play_order.h"
#include "core/logging.h"
#include "core/settings/product.h"
#include "platform/os_services.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QStringList>
#include <QVariantMap>

namespace {

const QString kService = QStringLiteral("org.mpris.MediaPlayer2.dorvane");
const QString kPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");

// What the panels show: the topic as the album, the French as the title, the English beside it.
class NowPlaying : public QObject {
    Q_OBJECT
public:
    NowPlaying(LearnerCommands& commands, PlayOrder& order) : m_commands(commands) {
        show(order.currentTopicName(), order.currentFrench(), order.currentId(),
             order.currentEnglish());
        connect(&order, &PlayOrder::sentenceChanged, this, [this](auto... sentence) {
            show(sentence...);
            emit changed(QStringLiteral("Metadata"));
        });
        connect(&commands, &LearnerCommands::pausedChanged, this,
                [this] { emit changed(QStringLiteral("PlaybackStatus")); });
    }
    LearnerCommands& commands() { return m_commands; }
    QVariantMap metadata() const { return m_metadata; }

signals:
    void changed(const QString& property);

private:
    void show(const QString& topic, const QString& french, int id, const QString& english) {
        m_metadata = {
            {QStringLiteral("mpris:trackid"),
             QVariant::fromValue(
                 QDBusObjectPath(QStringLiteral("/org/dorvane/sentence/%1").arg(id)))},
            {QStringLiteral("xesam:title"), french.trimmed()},
            {QStringLiteral("xesam:album"), topic.trimmed()},
            {QStringLiteral("xesam:artist"), QStringList{english.trimmed()}},
            {QStringLiteral("xesam:comment"), QStringList{english.trimmed()}},
        };
    }

    LearnerCommands& m_commands;
    QVariantMap m_metadata;
};

class RootAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(bool CanQuit READ no)
    Q_PROPERTY(bool CanRaise READ no)
    Q_PROPERTY(bool HasTrackList READ no)
    Q_PROPERTY(QString Identity READ identity)
    Q_PROPERTY(QString DesktopEntry READ desktopEntry)
    Q_PROPERTY(QStringList SupportedUriSchemes READ none)
    Q_PROPERTY(QStringList SupportedMimeTypes READ none)
public:
    explicit RootAdaptor(QObject* holder) : QDBusAbstractAdaptor(holder) {}
    bool no() const { return false; }
    QString identity() const { return QString::fromLatin1(Product::kTitle); }
    QString desktopEntry() const { return QStringLiteral("dorvane"); }
    QStringList none() const { return {}; }
public slots:
    void Raise() {}
    void Quit() {}
};

class PlayerAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ playbackStatus)
    Q_PROPERTY(QVariantMap Metadata READ metadata)
    Q_PROPERTY(double Rate READ one)
    Q_PROPERTY(double MinimumRate READ one)
    Q_PROPERTY(double MaximumRate READ one)
    Q_PROPERTY(double Volume READ one)
    Q_PROPERTY(qlonglong Position READ position)
    Q_PROPERTY(bool CanGoNext READ yes)
    Q_PROPERTY(bool CanGoPrevious READ yes)
    Q_PROPERTY(bool CanPlay READ yes)
    Q_PROPERTY(bool CanPause READ yes)
    Q_PROPERTY(bool CanSeek READ no)
    Q_PROPERTY(bool CanControl READ yes)
public:
    PlayerAdaptor(QObject* holder, NowPlaying& now) : QDBusAbstractAdaptor(holder), m_now(now) {}
    QString playbackStatus() const {
        return m_now.commands().paused() ? QStringLiteral("Paused") : QStringLiteral("Playing");
    }
    QVariantMap metadata() const { return m_now.metadata(); }
    double one() const { return 1.0; }
    qlonglong position() const { return 0; }
    bool yes() const { return true; }
    bool no() const { return false; }
public slots:
    void PlayPause() { m_now.commands().run(LearnerCommand::TogglePause); }
    void Play() { m_now.commands().run(LearnerCommand::Resume); }
    void Pause() { m_now.commands().run(LearnerCommand::Pause); }
    void Stop() { Pause(); }
    void Next() { m_now.commands().run(LearnerCommand::Next); }
    void Previous() { m_now.commands().run(LearnerCommand::Previous); }
    void Seek(qlonglong) {}
    void SetPosition(const QDBusObjectPath&, qlonglong) {}
    void OpenUri(const QString&) {}

private:
    NowPlaying& m_now;
};

// The object on the bus; the panels learn of changes through PropertiesChanged.
class MprisPlayer : public QObject {
    Q_OBJECT
public:
    MprisPlayer(LearnerCommands& commands, PlayOrder& order) : m_now(commands, order) {
        new RootAdaptor(this);
        m_player = new PlayerAdaptor(this, m_now);
        connect(&m_now, &NowPlaying::changed, this, &MprisPlayer::announce);
    }

private:
    void announce(const QString& property) {
        const QVariant value = property == QLatin1String("Metadata")
                                   ? QVariant(m_player->metadata())
                                   : QVariant(m_player->playbackStatus());
        QDBusMessage signal =
            QDBusMessage::createSignal(kPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                       QStringLiteral("PropertiesChanged"));
        signal << kPlayerInterface << QVariantMap{{property, value}} << QStringList();
        QDBusConnection::sessionBus().send(signal);
    }

    NowPlaying m_now;
    PlayerAdaptor* m_player;
};

} // namespace

std::unique_ptr<QObject> makeMediaControls(LearnerCommands& commands, PlayOrder& order) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        qCWarning(lcDesktop) << "no session bus, so no media keys or panel controls; the bar and "
                                "its menu work as before";
        return nullptr;
    }
    auto player = std::make_unique<MprisPlayer>(commands, order);
    if (!bus.registerObject(kPath, player.get(), QDBusConnection::ExportAdaptors) ||
        !bus.registerService(kService)) {
        qCWarning(lcDesktop).noquote()
            << QStringLiteral("the media controls could not be offered on the session bus (%1)")
                   .arg(bus.lastError().message());
        return nullptr;
    }
    return player;
}

#include "mpris_media_controls.moc"
