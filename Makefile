# Two commands do everything on a fresh Debian 12 or Debian 13 machine:
#   make run    installs what is missing, builds and starts Tarvello
#   make test   installs what is missing, builds and runs every test, without a display
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# To build and run the program.
# Qt's translation tools (lupdate, lrelease) and their CMake functions build the program's
# translations; Qt's own texts come translated in qt6-translations-l10n.
PACKAGES_RUN := build-essential cmake qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins \
	libgl-dev libcups2-dev fonts-liberation2 fontconfig qt6-translations-l10n \
	qt6-l10n-tools qt6-tools-dev libqt6sql6-sqlite
# To run the tests: a private print service and the tools that read what it printed; the
# checkers of the desktop entry and of the package, and what CPack's Debian package needs
# (dpkg-shlibdeps, and `file` to tell the binaries); the accessibility bus, a client of it for
# Debian's Python, and a private X server with a window manager, where the program is played
# as a screen reader sees it.
PACKAGES_TEST := cups-daemon cups-client cups-filters poppler-utils postgresql libqt6sql6-psql \
	desktop-file-utils appstream dpkg-dev file \
	at-spi2-core python3-pyatspi gir1.2-atspi-2.0 dbus xvfb openbox
# A private X server and a window manager, for benchmarks and screenshots; the XTest
# extension, through which the benchmarks press keys and click as a pupil would; a private
# PostgreSQL server for the window over the school's register.
PACKAGES_X := xvfb openbox x11-utils libxtst-dev postgresql libqt6sql6-psql
# To make a minimal Debian 13 from Debian's archive and copy a clean checkout into it.
PACKAGES_DEBIAN13 := debootstrap debian-archive-keyring git

.PHONY: run test build deps-run deps-test deps-x deps-debian13 clean sanitize soak package bench screenshots \
	test-debian13

run: deps-run build
	./$(BUILD)/tarvello

# The tests keep whatever they record in the build folder, never in the user's own register.
test: deps-run deps-test build
	cd $(BUILD) && XDG_DATA_HOME=$(CURDIR)/$(BUILD)/dati-dei-test ctest --output-on-failure -j $(JOBS)

# The whole suite again, built with AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer: any error or leak of the program's own code fails it. Strings are checked as
# the C library reads them: strndup may copy from a buffer with no terminator (libxkbcommon
# does, under Qt's X11 plug-in), which strict string checks would take for an overflow.
sanitize: deps-run deps-test
	cmake -S . -B $(BUILD)-asan -DCMAKE_BUILD_TYPE=Debug -DTARVELLO_SANITIZE=ON
	cmake --build $(BUILD)-asan -j $(JOBS)
	cd $(BUILD)-asan && \
	ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp \
	XDG_DATA_HOME=$(CURDIR)/$(BUILD)-asan/dati-dei-test ctest --output-on-failure -j $(JOBS)

# `make test` again, as root on a minimal Debian 13 made with debootstrap (kept in
# $(BUILD)/debian13, made again when the package lists change), on a clean checkout of HEAD:
# see tools/debian13.sh.
test-debian13: deps-debian13
	$(SUDO) env DEBIAN13_PACKAGES="$(PACKAGES_RUN) $(PACKAGES_TEST)" tools/debian13.sh $(BUILD)/debian13

deps-debian13:
	@$(call install,$(PACKAGES_DEBIAN13))

# The restless pupil for a long while: a million events or more, new seeds every time.
# SOAK_SEED=n plays seed n only, as a failing seed is told to be played again.
SOAK_SEEDS ?= 20
SOAK_EVENTS ?= 50000
soak: deps-run deps-test build
	SOAK_SEED=$(SOAK_SEED) tests/soak/soak.sh $(BUILD) $(SOAK_SEEDS) $(SOAK_EVENTS)

build:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

deps-run:
	@$(call install,$(PACKAGES_RUN))

deps-test:
	@$(call install,$(PACKAGES_TEST))

# The benchmarks, under a private X server; each prints its figure and its ratio. Recording
# answers needs no screen.
bench: deps-run deps-x build
	$(BUILD)/bench/tarvello-bench-registro
	$(BUILD)/bench/tarvello-bench-invio
	$(BUILD)/bench/tarvello-bench-consultazione
	$(BUILD)/bench/tarvello-bench-finestra-registro
	$(BUILD)/bench/tarvello-bench-finestra-server
	tools/xrun.sh $(BUILD)/bench/tarvello-bench

deps-x:
	@$(call install,$(PACKAGES_X))

# Pictures of every window for the README, under a private X server and print service:
# docs/screenshots/*.png. `make screenshots SCALE=2` takes them at twice the density, into
# $(BUILD)/screenshots-x2, for looking at; `make screenshots LINGUA=en` in English, into
# docs/screenshots/en.
SCALE ?= 1
LINGUA ?= it
SCREENSHOTS = $(if $(filter 1,$(SCALE)),docs/screenshots,$(BUILD)/screenshots-x$(SCALE))$(if $(filter-out it,$(LINGUA)),/$(LINGUA))
screenshots: deps-run deps-test deps-x build
	tools/screenshots.sh $(BUILD) $(SCREENSHOTS) $(SCALE) $(LINGUA)

# A Debian package of the program, in the build folder.
package: deps-run deps-test build
	cd $(BUILD) && cpack

# Never into a file system mounted under the build folder (the Debian 13 system's, while it runs).
clean:
	rm -rf --one-file-system $(BUILD)

# Installs the packages of the list that are not installed yet.
define install
missing=""; \
for p in $(1); do \
	dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
done; \
if [ -n "$$missing" ]; then \
	echo "Installing:$$missing"; \
	$(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -q && \
	$(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $$missing; \
fi
endef
