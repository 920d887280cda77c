#pragma once

// The program on the session bus, as desktops reach an application: the
// freedesktop Application interface under the program's id, started by the
// bus when a request comes and no program runs (D-Bus activation). A second
// start of the program hands its look-up to the running one this way. The
// session bus admits only the user who owns it, so no other user can send
// the program anything.

#include <QDBusVirtualObject>
#include <QString>
#include <functional>
#include <string>

// The id of the desktop entry, the bus name and, as a path, the object.
inline constexpr char kApplicationId[] = "cz.tarviksko.slovnik";
inline constexpr char kApplicationPath[] = "/cz/tarviksko/slovnik";
// The actions a request may name: a word given with it, or the selection.
inline constexpr char kLookupAction[] = "lookup";
inline constexpr char kLookupSelectionAction[] = "lookup-selection";

// What the running program does on a request, on its UI thread.
struct DesktopRequests {
  std::function<void()> activate;
  // A word that readLookupMessage took, in Windows-1250.
  std::function<void(const std::string& text)> lookUp;
  std::function<void()> lookUpSelection;
};

class DesktopService final : public QDBusVirtualObject {
 public:
  explicit DesktopService(DesktopRequests requests, QObject* parent = nullptr);
  ~DesktopService() override;

  // Takes the program's name on the session bus. False when there is no bus
  // or another program holds the name already, which then keeps the requests.
  bool offer();

  QString introspect(const QString& path) const override;
  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

 private:
  DesktopRequests requests;
  bool offered = false;
};

struct HandOff {
  enum Outcome { done, refused, unreachable } outcome = done;
  QString why;  // when not done
};
// Asks the running program, or one the bus starts for it, to run `action`
// with `word` (UTF-8; empty for none). Refused when the program rejects the
// request; unreachable without a session bus or a program to answer.
HandOff handOff(const char* action, const std::string& word);
