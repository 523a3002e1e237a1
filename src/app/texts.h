#pragma once

// Names and titles the program shows in more than one place.
namespace kvirlo::texts {

// The build passes the version (3.01); the autostart entry and stored values carry this title.
inline constexpr const char* AppTitle = "Квирло " KVIRLO_VERSION;  // boxes without a title; autostart name
inline constexpr const char* MainCaption = "Квирло 3.0";   // the main window
inline constexpr const char* ShortName = "Квирло";         // confirmations, tray tip, alert
inline constexpr const char* EntryTitle = "Напаоминатель"; // entry errors
inline constexpr const char* ExitQuestion = "Завершить работу квирло?";

}  // namespace kvirlo::texts
