#include "desktop_bus.h"

#include <QDBusConnection>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariant>

#include "lookup_request.h"

namespace {

constexpr char kInterface[] = "org.freedesktop.Application";
constexpr char kRefused[] = "org.freedesktop.DBus.Error.InvalidArgs";

// As the interface is specified: platform data is a dictionary of variants
// that a program may ignore, and ours does.
constexpr char kIntrospection[] =
    "  <interface name=\"org.freedesktop.Application\">\n"
    "    <method name=\"Activate\"><arg type=\"a{sv}\" name=\"platform_data\" direction=\"in\"/></method>\n"
    "    <method name=\"Open\"><arg type=\"as\" name=\"uris\" direction=\"in\"/>"
    "<arg type=\"a{sv}\" name=\"platform_data\" direction=\"in\"/></method>\n"
    "    <method name=\"ActivateAction\"><arg type=\"s\" name=\"action_name\" direction=\"in\"/>"
    "<arg type=\"av\" name=\"parameter\" direction=\"in\"/>"
    "<arg type=\"a{sv}\" name=\"platform_data\" direction=\"in\"/></method>\n"
    "  </interface>\n";

// The variants of an `av`, which a received message holds still marshalled.
QList<QVariant> variantsOf(const QVariant& array) {
  QList<QVariant> values;
  if (array.userType() != qMetaTypeId<QDBusArgument>()) return values;
  const QDBusArgument marshalled = array.value<QDBusArgument>();
  marshalled.beginArray();
  while (!marshalled.atEnd()) {
    QDBusVariant value;
    marshalled >> value;
    values << value.variant();
  }
  marshalled.endArray();
  return values;
}

// Wayland lets a window take the focus only with a token from the program
// the user was in; the desktop gives one to the command it runs, which
// passes it on here. Qt's Wayland back end takes it from the environment
// when a window asks for the focus next.
void takeActivationToken(const QVariant& platformData) {
  if (platformData.userType() != qMetaTypeId<QDBusArgument>()) return;
  QVariantMap data;
  platformData.value<QDBusArgument>() >> data;
  const QString token = data.value("activation-token").toString();
  if (!token.isEmpty() && token.size() < 1024) qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
}

// The one string a look-up action carries.
bool oneString(const QList<QVariant>& parameter, QString* text) {
  if (parameter.size() != 1 || parameter.front().userType() != QMetaType::QString) return false;
  *text = parameter.front().toString();
  return true;
}

}  // namespace

DesktopService::DesktopService(DesktopRequests requests, QObject* parent)
    : QDBusVirtualObject(parent), requests(std::move(requests)) {}

DesktopService::~DesktopService() {
  if (!offered) return;
  QDBusConnection bus = QDBusConnection::sessionBus();
  bus.unregisterService(kApplicationId);
  bus.unregisterObject(kApplicationPath);
}

bool DesktopService::offer() {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return false;
  if (!bus.registerVirtualObject(kApplicationPath, this)) return false;
  // Without queueing: a second program stays out of the way of the first
  // rather than waiting to take over its requests.
  QDBusConnectionInterface* daemon = bus.interface();
  auto reply = daemon->registerService(kApplicationId, QDBusConnectionInterface::DontQueueService,
                                       QDBusConnectionInterface::DontAllowReplacement);
  if (!reply.isValid() || reply.value() != QDBusConnectionInterface::ServiceRegistered) {
    bus.unregisterObject(kApplicationPath);
    return false;
  }
  offered = true;
  return true;
}

QString DesktopService::introspect(const QString&) const { return kIntrospection; }

bool DesktopService::handleMessage(const QDBusMessage& message, const QDBusConnection& connection) {
  if (message.type() != QDBusMessage::MethodCallMessage || message.path() != kApplicationPath) return false;
  if (!message.interface().isEmpty() && message.interface() != kInterface) return false;
  const QString member = message.member();
  const QString signature = message.signature();
  auto refuse = [&](const QString& why) {
    connection.send(message.createErrorReply(kRefused, why));
    return true;
  };
  if (member == "Activate" && signature == "a{sv}") {
    connection.send(message.createReply());
    takeActivationToken(message.arguments().at(0));
    if (requests.activate) requests.activate();
    return true;
  }
  if (member == "Open" && signature == "asa{sv}") return refuse("The program opens no files.");
  if (member != "ActivateAction" || signature != "sava{sv}") return false;
  const QList<QVariant> arguments = message.arguments();
  const QString action = arguments.at(0).toString();
  if (action == kLookupSelectionAction) {
    if (!variantsOf(arguments.at(1)).isEmpty()) return refuse("lookup-selection takes no parameter.");
    connection.send(message.createReply());
    takeActivationToken(arguments.at(2));
    if (requests.lookUpSelection) requests.lookUpSelection();
    return true;
  }
  if (action != kLookupAction) return refuse("No such action: " + action.left(40));
  QString word;
  if (!oneString(variantsOf(arguments.at(1)), &word)) return refuse("lookup takes one string.");
  // Too long in any form: refused before any work on it.
  if (word.size() > static_cast<qsizetype>(kMaxLookupBytes)) return refuse("the word is longer than 200 bytes");
  const LookupRequest request = readLookupMessage(word.normalized(QString::NormalizationForm_C).toStdString());
  if (!request.ok) return refuse(QString::fromStdString(request.refusal));
  connection.send(message.createReply());
  takeActivationToken(arguments.at(2));
  if (requests.lookUp) requests.lookUp(request.text);
  return true;
}

HandOff handOff(const char* action, const std::string& word) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) {
    const QString why = bus.lastError().message();
    return {HandOff::unreachable, why.isEmpty() ? QString("no session bus") : why};
  }
  QDBusMessage call = QDBusMessage::createMethodCall(kApplicationId, kApplicationPath, kInterface, "ActivateAction");
  QVariantList parameter;
  if (!word.empty())
    parameter << QString::fromUtf8(word).normalized(QString::NormalizationForm_C);
  // What the desktop gave the command to let a window take the focus,
  // passed on as the interface names it.
  QVariantMap platformData;
  if (qEnvironmentVariableIsSet("DESKTOP_STARTUP_ID"))
    platformData.insert("desktop-startup-id", qEnvironmentVariable("DESKTOP_STARTUP_ID"));
  if (qEnvironmentVariableIsSet("XDG_ACTIVATION_TOKEN"))
    platformData.insert("activation-token", qEnvironmentVariable("XDG_ACTIVATION_TOKEN"));
  call << QString::fromUtf8(action) << QVariant::fromValue(parameter) << platformData;
  // The bus starts a program when none runs, which takes a while on a
  // cold machine; a program that answers nothing in that time is none.
  const QDBusMessage reply = bus.call(call, QDBus::Block, 25000);
  if (reply.type() == QDBusMessage::ReplyMessage) return {HandOff::done, {}};
  const bool rejected = reply.errorName() == kRefused;
  return {rejected ? HandOff::refused : HandOff::unreachable, reply.errorMessage()};
}
