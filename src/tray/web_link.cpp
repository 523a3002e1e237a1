#include "tray/web_link.h"

#include "app/App.h"
#include "app/texts.h"

namespace kvirlo {

void OpenWebAddress(App& app, const std::string& address) {
  Services& sys = app.services();
  sys.shell.openWebAddress(address, [&sys, address] {
    sys.messageBox.show("Не удалось открыть адрес " + address +
                            "\r\nНе найдена программа для просмотра сайтов. "
                            "Откройте этот адрес в браузере сами.",
                        mb::Exclamation, texts::AppTitle);
  });
}

}  // namespace kvirlo
