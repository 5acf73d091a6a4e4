# Two commands do everything on a fresh Debian 12 machine:
#   make run    installs what is missing, builds and starts Tarvello
#   make test   installs what is missing, builds and runs every test, without a display
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# To build and run the program.
PACKAGES_RUN := build-essential cmake qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins \
	libgl-dev libcups2-dev fonts-liberation2 fontconfig
# To run the tests: a private print service and the tools that read what it printed.
PACKAGES_TEST := cups-daemon cups-client cups-filters poppler-utils

.PHONY: run test build deps-run deps-test clean

run: deps-run build
	./$(BUILD)/tarvello

test: deps-run deps-test build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

build:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

deps-run:
	@$(call install,$(PACKAGES_RUN))

deps-test:
	@$(call install,$(PACKAGES_TEST))

clean:
	rm -rf $(BUILD)

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
