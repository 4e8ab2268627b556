/*
 * xdnd_drop: drops files onto an X window the way a file manager does (an
 * XDND drag of text/uri-list released at one point), so the acceptance tests
 * can drop files onto the running program under Wine, whose X11 driver turns
 * such a drop into WM_DROPFILES for a window that accepts files.
 *
 *   xdnd_drop XWINDOW ROOT_X ROOT_Y RESULT_FILE FILE...
 *
 *   XWINDOW      X window id (decimal or 0x hex) of the target; under Wine it
 *                is the "__wine_x11_whole_window" property of the top-level
 *                window (GetPropA works from any Wine process of the prefix).
 *   ROOT_X/Y     drop point in root-window coordinates (with unmanaged Wine
 *                windows in Xvfb these equal Windows screen coordinates). The
 *                target must be the visible window at that point, as it
 *                would be for a user's mouse.
 *   RESULT_FILE  gets one line when the drop is over: "ok" or "error: why".
 *                Wine gives a Windows parent exit code 0 for any Linux child,
 *                so the parent polls this file instead; it is written to a
 *                temporary name and renamed, so it never holds half a line.
 *                A result file left from an earlier run is removed first.
 *   FILE...      absolute Unix paths (at least one), sent in this order as
 *                file:// URIs, every byte but unreserved ASCII and '/'
 *                percent-encoded, so UTF-8 names arrive intact. The files
 *                need not exist (a test may drop a missing file on purpose).
 *
 * Exit status 0 on success, 1 on error, 2 on bad usage without RESULT_FILE.
 * Every wait has a timeout (10 s each for the target's answer to the
 * position and for its answer to the drop).
 *
 * Build: gcc -O2 -Wall -Wextra -o xdnd_drop xdnd_drop.c -lX11
 */
#define _POSIX_C_SOURCE 200809L

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <stdarg.h>
#include <stdbool.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

enum { kOurVersion = 5, kOldestVersion = 3, kWaitSeconds = 10 };

static const char* resultPath;

/* Writes the result line atomically and exits with the matching status. */
_Noreturn static void finish(const char* format, ...) {
  char line[1024];
  va_list args;
  va_start(args, format);
  vsnprintf(line, sizeof line, format, args);
  va_end(args);
  const bool ok = strcmp(line, "ok") == 0;
  if (!ok) fprintf(stderr, "xdnd_drop: %s\n", line);
  if (resultPath != NULL) {
    char temp[4096];
    snprintf(temp, sizeof temp, "%s.tmp%ld", resultPath, (long)getpid());
    FILE* f = fopen(temp, "w");
    bool written = f != NULL && fprintf(f, "%s\n", line) > 0;
    if (f != NULL && fclose(f) != 0) written = false;
    if (!written || rename(temp, resultPath) != 0) {
      fprintf(stderr, "xdnd_drop: cannot write %s: %s\n", resultPath, strerror(errno));
      unlink(temp);
      exit(1);
    }
  }
  exit(ok ? 0 : 1);
}

/* ---- the file list as text/uri-list ---- */

static bool unreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
         c == '_' || c == '~' || c == '/';
}

/* "file://" URIs, each line ended by CRLF as text/uri-list lines are. */
static char* uriList(char** files, int count, size_t* length) {
  size_t size = 1;
  for (int i = 0; i < count; ++i) size += strlen("file://") + 3 * strlen(files[i]) + 2;
  char* list = malloc(size);
  if (list == NULL) finish("error: out of memory for the file list");
  char* out = list;
  for (int i = 0; i < count; ++i) {
    out += sprintf(out, "file://");
    for (const unsigned char* p = (const unsigned char*)files[i]; *p; ++p) {
      if (unreserved(*p)) *out++ = (char)*p;
      else out += sprintf(out, "%%%02X", *p);
    }
    *out++ = '\r';
    *out++ = '\n';
  }
  *out = '\0';
  *length = (size_t)(out - list);
  return list;
}

/* ---- X errors: recorded, not fatal, so each step can report its own ---- */

static int lastXError;

static int recordXError(Display* display, XErrorEvent* error) {
  (void)display;
  lastXError = error->error_code;
  return 0;
}

static int lostDisplay(Display* display) {
  (void)display;
  finish("error: lost the connection to the X server");
  return 0;
}

static void trapXErrors(void) { lastXError = 0; }

static int trappedXError(Display* display) {
  XSync(display, False);
  return lastXError;
}

/* ---- waiting, always with a deadline ---- */

static struct timespec deadlineIn(int seconds) {
  struct timespec deadline;
  clock_gettime(CLOCK_MONOTONIC, &deadline);
  deadline.tv_sec += seconds;
  return deadline;
}

/* Waits until the X connection has input or the deadline passes; false then. */
static bool awaitInput(Display* display, const struct timespec* deadline) {
  struct timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  long ms = (deadline->tv_sec - now.tv_sec) * 1000L + (deadline->tv_nsec - now.tv_nsec) / 1000000L;
  if (ms <= 0) return false;
  struct pollfd connection = {ConnectionNumber(display), POLLIN, 0};
  poll(&connection, 1, (int)ms);
  return true;
}

/* ---- the drag ---- */

enum { aXdndAware, aXdndSelection, aXdndEnter, aXdndPosition, aXdndStatus, aXdndLeave, aXdndDrop, aXdndFinished,
       aXdndActionCopy, aXdndTypeList, aUriList, aTargets, aTimestamp, kAtomCount };
static char* atomNames[kAtomCount] = {"XdndAware", "XdndSelection", "XdndEnter", "XdndPosition", "XdndStatus",
                                      "XdndLeave", "XdndDrop", "XdndFinished", "XdndActionCopy", "XdndTypeList",
                                      "text/uri-list", "TARGETS", "XDND_DROP_TIMESTAMP"};

struct Drag {
  Display* display;
  Window target, source;
  Atom atoms[kAtomCount];
  int version;
  Time time;
  const char* data;
  size_t length;
};

static Window parseWindow(const char* text) {
  char* end;
  errno = 0;
  unsigned long id = strtoul(text, &end, 0);
  if (errno != 0 || end == text || *end != '\0' || id == 0 || id > 0x1FFFFFFFUL || text[0] == '-')
    finish("error: bad X window id '%s'", text);
  return (Window)id;
}

static int parseCoordinate(const char* text) {
  char* end;
  errno = 0;
  long value = strtol(text, &end, 10);
  /* XdndPosition packs each coordinate into 16 bits. */
  if (errno != 0 || end == text || *end != '\0' || value < 0 || value > 0x7FFF)
    finish("error: bad root coordinate '%s'", text);
  return (int)value;
}

/* The XDND version the target announces, 0 when it announces none. */
static int targetVersion(struct Drag* drag) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* value = NULL;
  trapXErrors();
  int status = XGetWindowProperty(drag->display, drag->target, drag->atoms[aXdndAware], 0, 1, False, XA_ATOM, &type,
                                  &format, &count, &after, &value);
  if (trappedXError(drag->display) != 0 || status != Success)
    finish("error: X window 0x%lx does not exist", (unsigned long)drag->target);
  int version = (type == XA_ATOM && format == 32 && count == 1) ? (int)((unsigned long*)value)[0] : 0;
  if (value != NULL) XFree(value);
  return version;
}

/* A user can only drop onto the window that is visible under the pointer. */
static void requireTargetAt(struct Drag* drag, int x, int y) {
  Display* d = drag->display;
  Window root = DefaultRootWindow(d), at = root, child = None;
  int cx, cy;
  while (XTranslateCoordinates(d, root, at, x, y, &cx, &cy, &child) && child != None) {
    at = child;
    if (at == drag->target) return;
  }
  finish("error: the window at (%d,%d) is 0x%lx, not the target 0x%lx (unmapped, covered or elsewhere)", x, y,
         (unsigned long)at, (unsigned long)drag->target);
}

/* A server timestamp for the selection, from a property change on our window. */
static Time serverTime(struct Drag* drag) {
  unsigned char none = 0;
  XChangeProperty(drag->display, drag->source, drag->atoms[aTimestamp], XA_STRING, 8, PropModeAppend, &none, 0);
  XFlush(drag->display);
  const struct timespec deadline = deadlineIn(kWaitSeconds);
  XEvent event;
  while (!XCheckWindowEvent(drag->display, drag->source, PropertyChangeMask, &event))
    if (!awaitInput(drag->display, &deadline)) finish("error: the X server sent no timestamp");
  return event.xproperty.time;
}

static void sendToTarget(struct Drag* drag, int message, long l1, long l2, long l3, long l4) {
  XEvent event;
  memset(&event, 0, sizeof event);
  event.xclient.type = ClientMessage;
  event.xclient.window = drag->target;
  event.xclient.message_type = drag->atoms[message];
  event.xclient.format = 32;
  event.xclient.data.l[0] = (long)drag->source;
  event.xclient.data.l[1] = l1;
  event.xclient.data.l[2] = l2;
  event.xclient.data.l[3] = l3;
  event.xclient.data.l[4] = l4;
  trapXErrors();
  XSendEvent(drag->display, drag->target, False, NoEventMask, &event);
  if (trappedXError(drag->display) != 0) finish("error: the target window went away during the drag");
}

/* Gives the file list (or the list of targets) to whoever asks for it. */
static void answerSelectionRequest(struct Drag* drag, XSelectionRequestEvent* request) {
  Atom property = request->property != None ? request->property : request->target; /* old-style requestors */
  XEvent reply;
  memset(&reply, 0, sizeof reply);
  reply.xselection.type = SelectionNotify;
  reply.xselection.requestor = request->requestor;
  reply.xselection.selection = request->selection;
  reply.xselection.target = request->target;
  reply.xselection.time = request->time;
  reply.xselection.property = None;
  trapXErrors();
  if (request->selection == drag->atoms[aXdndSelection]) {
    if (request->target == drag->atoms[aUriList]) {
      XChangeProperty(drag->display, request->requestor, property, drag->atoms[aUriList], 8, PropModeReplace,
                      (const unsigned char*)drag->data, (int)drag->length);
      reply.xselection.property = property;
    } else if (request->target == drag->atoms[aTargets]) {
      Atom targets[2] = {drag->atoms[aTargets], drag->atoms[aUriList]};
      XChangeProperty(drag->display, request->requestor, property, XA_ATOM, 32, PropModeReplace,
                      (const unsigned char*)targets, 2);
      reply.xselection.property = property;
    }
  }
  XSendEvent(drag->display, request->requestor, False, NoEventMask, &reply);
  trappedXError(drag->display); /* a requestor that vanished is its own problem */
}

/* Serves the selection until the target sends `message`; false on timeout. */
static bool awaitMessage(struct Drag* drag, int message, XClientMessageEvent* answer) {
  const struct timespec deadline = deadlineIn(kWaitSeconds);
  for (;;) {
    while (XPending(drag->display) > 0) {
      XEvent event;
      XNextEvent(drag->display, &event);
      if (event.type == SelectionRequest) {
        answerSelectionRequest(drag, &event.xselectionrequest);
      } else if (event.type == ClientMessage && event.xclient.message_type == drag->atoms[message] &&
                 (Window)event.xclient.data.l[0] == drag->target) {
        *answer = event.xclient;
        return true;
      }
    }
    if (!awaitInput(drag->display, &deadline)) return false;
  }
}

static void startDrag(struct Drag* drag) {
  Display* d = drag->display;
  /* The whole list goes in one property change; INCR is not implemented. */
  long maxRequest = XExtendedMaxRequestSize(d) > 0 ? XExtendedMaxRequestSize(d) : XMaxRequestSize(d);
  if ((long)drag->length > maxRequest * 4 - 64)
    finish("error: the file list (%zu bytes) is too long for one X request", drag->length);

  drag->source = XCreateSimpleWindow(d, DefaultRootWindow(d), -10, -10, 1, 1, 0, 0, 0);
  XSelectInput(d, drag->source, PropertyChangeMask);
  XChangeProperty(d, drag->source, drag->atoms[aXdndTypeList], XA_ATOM, 32, PropModeReplace,
                  (const unsigned char*)&drag->atoms[aUriList], 1);
  drag->time = serverTime(drag);
  XSetSelectionOwner(d, drag->atoms[aXdndSelection], drag->source, drag->time);
  if (XGetSelectionOwner(d, drag->atoms[aXdndSelection]) != drag->source)
    finish("error: could not own the XdndSelection");
}

int main(int argc, char** argv) {
  if (argc < 6) {
    if (argc >= 5) resultPath = argv[4];
    fprintf(stderr, "usage: xdnd_drop XWINDOW ROOT_X ROOT_Y RESULT_FILE FILE...\n");
    if (resultPath != NULL) finish("error: no files to drop");
    return 2;
  }
  resultPath = argv[4];
  if (unlink(resultPath) != 0 && errno != ENOENT) finish("error: cannot remove the old %s", resultPath);

  struct Drag drag;
  memset(&drag, 0, sizeof drag);
  drag.target = parseWindow(argv[1]);
  const int x = parseCoordinate(argv[2]), y = parseCoordinate(argv[3]);
  for (int i = 5; i < argc; ++i)
    if (argv[i][0] != '/') finish("error: not an absolute path: %s", argv[i]);
  char* data = uriList(argv + 5, argc - 5, &drag.length);
  drag.data = data;

  XSetIOErrorHandler(lostDisplay);
  drag.display = XOpenDisplay(NULL);
  if (drag.display == NULL) finish("error: cannot open the X display '%s'", getenv("DISPLAY") ? getenv("DISPLAY") : "");
  XSetErrorHandler(recordXError);
  XInternAtoms(drag.display, atomNames, kAtomCount, False, drag.atoms);

  const int announced = targetVersion(&drag);
  if (announced < kOldestVersion)
    finish("error: X window 0x%lx does not accept XDND drops (XdndAware %d)", (unsigned long)drag.target, announced);
  drag.version = announced < kOurVersion ? announced : kOurVersion;
  requireTargetAt(&drag, x, y);
  startDrag(&drag);

  /* Up to three types travel in XdndEnter itself; bit 0 of l[1] stays clear. */
  sendToTarget(&drag, aXdndEnter, (long)drag.version << 24, (long)drag.atoms[aUriList], None, None);
  sendToTarget(&drag, aXdndPosition, 0, ((long)x << 16) | y, (long)drag.time, (long)drag.atoms[aXdndActionCopy]);
  XClientMessageEvent answer;
  if (!awaitMessage(&drag, aXdndStatus, &answer)) {
    sendToTarget(&drag, aXdndLeave, 0, 0, 0, 0);
    finish("error: no XdndStatus from the target within %d s", kWaitSeconds);
  }
  /* The point does not move, so a rectangle or a request for more positions changes nothing. */
  if (!(answer.data.l[1] & 1)) {
    sendToTarget(&drag, aXdndLeave, 0, 0, 0, 0);
    finish("error: the target refused the drop at (%d,%d)", x, y);
  }

  sendToTarget(&drag, aXdndDrop, 0, (long)drag.time, 0, 0);
  if (!awaitMessage(&drag, aXdndFinished, &answer))
    finish("error: no XdndFinished from the target within %d s", kWaitSeconds);
  /* From version 5 on the target says whether it really took the files. */
  if (drag.version >= 5 && !(answer.data.l[1] & 1)) finish("error: the target reported the drop as not performed");
  XCloseDisplay(drag.display);
  free(data);
  finish("ok");
}
