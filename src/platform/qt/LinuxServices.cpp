#include "platform/qt/LinuxServices.h"

namespace kvirlo::qt {

LinuxServices::LinuxServices(EventGate& gate) : clock(gate), tray(gate), shell(gate) {}

Services LinuxServices::services() {
  return {clock, store, autostart, tray, messageBox, dialogs, paths, files, shell, media, tone,
          process};
}

}  // namespace kvirlo::qt
