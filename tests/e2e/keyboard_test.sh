#!/usr/bin/env bash
# The real Linux program with no mouse: what a screen reader finds in its
# windows over AT-SPI (a name for every control, option buttons as option
# buttons), and one reminder set by keys alone, its alert closed by Esc.
set -uo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
for tool in Xvfb icewm xdotool faketime dbus-launch pulseaudio; do
  command -v $tool >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
. "$here/desktop.sh"
desktop_up
trap desktop_down EXIT
screen_reader_up || { echo "skipped: no AT-SPI bus or pyatspi"; exit 77; }

tree() {  # what the screen reader finds in window $1, read once it is there
  local lines
  for _ in $(seq 30); do
    lines=$(/usr/bin/python3 "$here/screen_reader.py" "$1" 2>/dev/null)
    [ -n "$lines" ] && break
    sleep 0.1
  done
  printf '%s\n' "$lines"
}
# Controls a user works with that the reader would call by their role alone.
unnamed() {
  printf '%s\n' "$1" | awk -F'\t' '$2 ~ /^(text|entry|push button|check box|radio button|slider|spin button|toggle button)$/ && $3 == ""'
}
has() { printf '%s\n' "$1" | grep -qxF -- "$2"; }

# The alarm is due at 10:01, 15 seconds after the start.
start_program "$KV_TMP/program.log" "2026-12-08 10:00:45"
main=$(wait_window "Квирло 3.0" 15) || { echo "FAIL the main window never showed"; exit 1; }

form1=$(tree "Квирло 3.0")
check "every control of the main window has a name" test -z "$(unnamed "$form1")"
unnamed "$form1"
for line in $'text\tТекст напоминания' $'text\tЧас.' $'text\tМни.' $'text\tКанал' \
            $'push button\tВыбрать программу тюнера' $'radio button\tРежим TV' $'radio button\tРежим FM' \
            $'push button\tБольше' $'push button\tМеньше'; do
  check "the main window has «${line//$'\t'/ }»" has "$(printf '%s\n' "$form1" | cut -f2-)" "$line"
done

# Keys only: the reminder text has the focus first; Tab leaves it for the
# hour, whose two digits move on to the minute; Enter there starts.
xdotool windowactivate --sync "$main" >/dev/null 2>&1
xdotool windowfocus --sync "$main" >/dev/null 2>&1
sleep 0.3
xdotool type --delay 60 "tea"
xdotool key Tab
xdotool type --delay 60 "10"
xdotool type --delay 60 "01"
xdotool key Return
check "Enter in the minute field starts: the indicator shows" window_shows "Form3" 5
count_read() { grep -qP '^До напоминания (-?\d+) Мин\.\tlabel\t\1 Мин\.$' <<<"$(/usr/bin/python3 "$here/screen_reader.py")"; }
check "the indicator's countdown is read" soon count_read
store=$XDG_CONFIG_HOME/Kvirlo/Kvirlo.ini
check "the reminder is for 10:01 with its text" soon bash -c \
  "grep -q '^Hour_Kvir=10' '$store' && grep -q '^Minute_Kvir=01' '$store' && grep -q '^Text_Kvir=tea\$' '$store'"

alert=$(wait_window "Квирло" 30)
check "the alert opens at 10:01" test -n "$alert"
if [ -n "$alert" ]; then
  form2=$(tree "Квирло")
  check "every control of the alert has a name" test -z "$(unnamed "$form2")"
  unnamed "$form2"
  xdotool windowactivate --sync "$alert" >/dev/null 2>&1
  sleep 0.3
  xdotool key Escape
  check "Esc closes the alert" soon bash -c "! xdotool search --onlyvisible --name '^Квирло\$' | grep -q ."
  check "and brings the main window back, as «Продолжить»" window_shows "Квирло 3.0" 5
fi

# The sound settings and About, opened from the window's menu (the right
# button on its bare edge), read and closed by Esc.
menu_opens() {  # menu_opens TITLE KEYS...
  local title=$1; shift
  main=$(wait_window "Квирло 3.0" 5) || return 1
  click_at "$main" Form1 7260 600 click 3
  sleep 0.5
  xdotool key "$@"
  window_shows "$title" 5
}
if menu_opens "Настройки звука" Down Down Right Down Down Return; then
  player=$(tree "Настройки звука")
  check "every control of the sound settings has a name" test -z "$(unnamed "$player")"
  unnamed "$player"
  check "the sound settings name the file button" has "$(printf '%s\n' "$player" | cut -f2-)" $'push button\tВыбрать звуковой файл'
  xdotool key Escape
  check "Esc closes the sound settings" soon bash -c "! xdotool search --onlyvisible --name '^Настройки звука\$' | grep -q ."
else
  check "the menu opens the sound settings" false
fi
if menu_opens "О программе... Квирло 3.0" Down Return; then
  xdotool key Escape
  check "Esc closes About" soon bash -c "! xdotool search --onlyvisible --name '^О программе... Квирло 3.0\$' | grep -q ."
else
  check "the menu opens About" false
fi
# As a screen reader works, with no key and no click: the fields' texts set
# whole and «Пуск» pressed, then in the indicator's action dialog an option
# toggled and «Поехали» pressed.
reader() { /usr/bin/python3 "$here/screen_reader.py" "$@"; }
gone() { ! xdotool search --onlyvisible --name "^$1\$" | grep -q .; }
if wait_window "Квирло 3.0" 5 >/dev/null; then
  reader --set-text "Квирло 3.0" "Текст напоминания" "lunch"
  reader --set-text "Квирло 3.0" "Час." 11
  reader --set-text "Квирло 3.0" "Мни." 30
  reader --act "Квирло 3.0" "Пуск" press
  check "«Пуск» pressed by the reader starts: the main window hides" soon gone "Квирло 3.0"
  check "the reader's text, hour and minute are the reminder's" soon bash -c \
    "grep -q '^running=ON' '$store' && grep -q '^Hour_Kvir=11' '$store' && grep -q '^Minute_Kvir=30' '$store' && grep -q '^Text_Kvir=lunch\$' '$store'"
  if indicator=$(wait_window "Form3" 5); then
    click_on "$indicator" Form3 Picture1  # its close box
    if window_shows "Квирло" 5; then
      sleep 0.5
      reader --act "Квирло" "Изменить условия напоминания" toggle
      reader --act "Квирло" "Поехали" press
      check "the option the reader chose acts: the main window is back" window_shows "Квирло 3.0" 5
      check "and the dialog is gone" soon gone "Квирло"
      # The Menu key at the focused control opens the window's menu; Down and
      # Enter choose its first entry, About.
      xdotool windowactivate --sync "$(wait_window "Квирло 3.0" 5)" >/dev/null 2>&1
      sleep 0.3
      xdotool key Menu; sleep 0.5; xdotool key Down Return
      check "the Menu key opens the main menu, whose first entry is About" window_shows "О программе... Квирло 3.0" 5
    else
      check "the indicator's close box opens the action dialog" false
    fi
  else
    check "the indicator shows" false
  fi
else
  check "the main window is there for the screen reader" false
fi
[ $failures -eq 0 ] && echo "keyboard: all checks passed"
exit $((failures > 0))
