// The program as an automation server: its registration as a D-Bus
// service, its start by the bus when a client calls, and the interface it
// offers, which is the one in the repository's XML.
#include "automation/AutomationFixture.h"

#include <QDBusConnectionInterface>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QXmlStreamReader>

#include <csignal>

namespace {

const QStringList kMethods = {
    "OpenFile",        "SaveFile",        "GetTeamCount",    "GetQuestionCount", "ShowWindow",      "HideWindow",
    "GetGameName",     "GetGameDate",     "GetTeamAtNumber", "GetTeamAtPlace",   "SetLastQuestion", "GetLastQuestion",
    "CountResult",     "AddTeam",         "InsertTeam",      "DeleteTeam",       "GetCountParam",   "SetCountParam",
    "NewGame",         "GetPresenter",    "SetQuestSign",    "GetQuestSign",     "SetScoreDeposit", "GetScoreDeposit",
    "FindTeam",        "SetTeamName",     "SetTeamTown",     "SetTeamCaptain",   "SetTeamTrainer",  "SetTeamNumber",
    "SetQuestionCount", "OutResultExcel", "OutResultPrinter", "OutResultFile",   "SetPresenter",    "SetGameDate",
    "SetGameName",
};

// Each method of Vemo.IVemo as "Name(in types)->(out types)", in order.
QStringList Signatures(const QString& xml) {
    QStringList signatures;
    QXmlStreamReader reader(xml);
    bool inInterface = false;
    QString in, out;
    while (!reader.atEnd()) {
        reader.readNext();
        const auto attribute = [&reader](const char* name) { return reader.attributes().value(name).toString(); };
        if (reader.isStartElement() && reader.name() == u"interface") inInterface = attribute("name") == "Vemo.IVemo";
        if (!inInterface) continue;
        if (reader.isStartElement() && reader.name() == u"method") {
            signatures.append(attribute("name"));
            in.clear();
            out.clear();
        } else if (reader.isStartElement() && reader.name() == u"arg") {
            (attribute("direction") == "out" ? out : in) += attribute("type");
        } else if (reader.isEndElement() && reader.name() == u"method") {
            signatures.last() += '(' + in + ")->(" + out + ')';
        } else if (reader.isEndElement() && reader.name() == u"interface") {
            inInterface = false;
        }
    }
    return signatures;
}

QString FileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

class AutomationStartTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!FBus.Failure().isEmpty()) GTEST_SKIP() << "no private D-Bus session bus: " << FBus.Failure();
    }

    // The program run with one argument, as an installer would run it.
    int RunProgram(const QString& argument) {
        QProcess program;
        program.setProcessEnvironment(FBus.Environment());
        program.start(QStringLiteral(VEMO_EXECUTABLE), {argument});
        program.waitForFinished(30000);
        return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    }

    QString ServiceFile() const { return FBus.File("data/dbus-1/services/Vemo.App.service"); }

    BusSession FBus;
};

TEST_F(AutomationStartTest, RegistrationWritesAndRemovesTheServiceFile) {
    const QString expected = QStringLiteral("[D-BUS Service]\nName=Vemo.App\nExec='") +
                             QFileInfo(QStringLiteral(VEMO_EXECUTABLE)).canonicalFilePath() +
                             QStringLiteral("' -Embedding\n");
    struct Case {
        const char* argument;
        bool registered;
    };
    const Case cases[] = {
        {"/REGSERVER", true}, {"-unregserver", false}, {"-RegServer", true},
        {"/UnRegServer", false}, {"-UNREGSERVER", false},  // a file already gone is no failure
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.argument);
        EXPECT_EQ(RunProgram(QString::fromLatin1(c.argument)), 0);
        EXPECT_EQ(QFileInfo::exists(ServiceFile()), c.registered);
        if (c.registered) {
            EXPECT_EQ(FileText(ServiceFile()), expected);
        }
    }
    EXPECT_FALSE(FBus.NameOwned()) << "registering must not leave a server running";
}

// A call to the service while no program runs starts one, hidden, and
// answers; after UNREGSERVER the bus no longer knows how to start it.
TEST_F(AutomationStartTest, ACallStartsTheRegisteredProgramHidden) {
    ASSERT_EQ(RunProgram(QStringLiteral("-regserver")), 0);
    EXPECT_EQ(FBus.Gdbus(QStringLiteral("GetTeamCount")), QStringLiteral("(0,)"));
    ASSERT_TRUE(FBus.NameOwned());
    const uint pid = FBus.Connection().interface()->servicePid(BusSession::kService).value();
    ASSERT_GT(pid, 0u);
    const QStringList arguments = FileText(QStringLiteral("/proc/%1/cmdline").arg(pid)).split(QChar(0));
    EXPECT_EQ(arguments.value(1), QStringLiteral("-Embedding"));
    ::kill(static_cast<pid_t>(pid), SIGKILL);
    for (int i = 0; i < 500 && FBus.NameOwned(); ++i) QThread::msleep(10);
    ASSERT_FALSE(FBus.NameOwned());

    ASSERT_EQ(RunProgram(QStringLiteral("/UNREGSERVER")), 0);
    EXPECT_TRUE(FBus.Gdbus(QStringLiteral("GetTeamCount")).startsWith(QStringLiteral("Error: org.freedesktop.DBus.Error.ServiceUnknown")));
}

// The interface on the bus is the one in the repository, method by method
// with its argument types, in the interface's order.
TEST_F(AutomationStartTest, TheInterfaceOnTheBusIsTheRepositorysXml) {
    ASSERT_TRUE(FBus.StartProgram());
    const QStringList repository = Signatures(FileText(QStringLiteral(VEMO_INTERFACE_XML)));
    QDBusMessage introspect = QDBusMessage::createMethodCall(BusSession::kService, BusSession::kPath,
                                                             QStringLiteral("org.freedesktop.DBus.Introspectable"),
                                                             QStringLiteral("Introspect"));
    const QDBusMessage reply = FBus.Connection().call(introspect);
    ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage();
    EXPECT_EQ(Signatures(reply.arguments().value(0).toString()), repository);

    QStringList names;
    for (const QString& signature : repository) names.append(signature.section('(', 0, 0));
    EXPECT_EQ(names, kMethods);
    EXPECT_TRUE(repository.contains(QStringLiteral("GetTeamAtPlace(i)->((ssssiiii))")));
    EXPECT_TRUE(repository.contains(QStringLiteral("SetCountParam(bbbb)->()")));
    EXPECT_TRUE(repository.contains(QStringLiteral("GetCountParam()->((bbbb))")));
    EXPECT_TRUE(repository.contains(QStringLiteral("GetQuestSign(ii)->(b)")));
}
