#include "pause/pause_run.h"

#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <ostream>

namespace vesmar {

namespace {

// The terminal's settings while a key is awaited are changed; a signal that
// ends the command then must put them back, or the shell that follows would
// get a terminal without echo.
int g_terminal_fd = -1;
termios g_saved_settings{};

void restore_and_reraise(int signal_number) {
  ::tcsetattr(g_terminal_fd, TCSANOW, &g_saved_settings);
  std::signal(signal_number, SIG_DFL);
  std::raise(signal_number);
}

// One key, as soon as it is pressed: no line editing, no echo, and the keys
// that would otherwise send signals (Ctrl-C, Ctrl-Z, Ctrl-\) count as keys
// too, so the terminal is always left as it was found.
termios key_by_key(termios settings) {
  settings.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | ISIG);
  settings.c_cc[VMIN] = 1;
  settings.c_cc[VTIME] = 0;
  return settings;
}

// The bytes that follow a key's first byte within this many milliseconds
// are taken as the rest of the same key press.
constexpr int kRestOfAKeyMilliseconds = 50;

// One key press, all of it. A key may send several bytes (an arrow key an
// escape sequence, a letter outside ASCII two or more bytes), and a byte
// left unread would reach the shell that follows as typed text ("[A"). The
// bytes of one key come together, so those that follow the first at once
// are read too.
void read_one_key(int terminal_fd) {
  char bytes[64];
  while (::read(terminal_fd, bytes, 1) < 0 && errno == EINTR) {
  }
  for (;;) {
    pollfd ready{terminal_fd, POLLIN, 0};
    const int polled = ::poll(&ready, 1, kRestOfAKeyMilliseconds);
    if (polled < 0 && errno == EINTR) continue;
    if (polled <= 0 || ::read(terminal_fd, bytes, sizeof bytes) <= 0) return;
  }
}

}  // namespace

void pause_for_key(int terminal_fd, std::ostream& out) {
  if (!::isatty(terminal_fd)) return;
  termios saved;
  if (::tcgetattr(terminal_fd, &saved) != 0) return;

  g_terminal_fd = terminal_fd;
  g_saved_settings = saved;
  for (int signal_number : {SIGTERM, SIGHUP}) std::signal(signal_number, restore_and_reraise);

  const termios waiting = key_by_key(saved);
  ::tcsetattr(terminal_fd, TCSANOW, &waiting);
  // Keys typed before the prompt appeared are not the answer to it.
  ::tcflush(terminal_fd, TCIFLUSH);
  out << kPausePrompt;
  out.flush();
  read_one_key(terminal_fd);
  ::tcsetattr(terminal_fd, TCSANOW, &saved);
  for (int signal_number : {SIGTERM, SIGHUP}) std::signal(signal_number, SIG_DFL);
  out << '\n';
  out.flush();
}

Status run_pause(Console& console) {
  pause_for_key(STDIN_FILENO, console.out);
  return {};
}

}  // namespace vesmar
