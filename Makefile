# The project's commands: `make run` starts the installer under Wine, `make test` builds and runs
# every test, `make bench` prints the benchmarks. Each installs what is missing first.
BUILD ?= build
JOBS ?= 2

# Tests run in the 32-bit build where this host can run 32-bit Windows programs, and otherwise in
# a 64-bit build of the same sources; the shipped installer is always the 32-bit one. Worked out
# at its first use in a recipe, so after deps has installed Wine, and kept for the rest of the run.
ARCH = $(eval ARCH := $(shell tools/host-runs-win32.sh && echo i686 || echo x86_64))$(ARCH)
DIR = $(BUILD)/$(ARCH)
# The shipped exe: the i686 test build's where the tests run it, else an i686 build of it alone.
SHIPPED_EXE = $(BUILD)/$(if $(filter i686,$(ARCH)),i686,i686-product)/startup/glimmerion-setup.exe

.PHONY: deps build test bench run

deps:
	@tools/install-deps.sh

build: deps
	@echo "Building $(DIR)"
	@cmake -S . -B $(DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-$(ARCH).cmake >/dev/null
	@cmake --build $(DIR) -j$(JOBS) -- --no-print-directory

# Starts the installer under Wine in a demo prefix seeded with sample editors; without a display
# it saves a picture of the window instead.
run: build
	@tools/run-demo.sh $(DIR)

test: build shipped
	@tools/wine-session.sh $(DIR) ctest --test-dir $(DIR) --output-on-failure

# The size rows are the shipped i686 exe's, which make shipped builds on every host.
bench: build shipped
	@bench/run.sh $(DIR) $(SHIPPED_EXE)

.PHONY: dist shipped

# The release: dist/glimmerion-setup-VERSION.exe and dist/SHA256SUMS from a clean i686 build,
# signed when SIGN_PFX (with SIGN_PASSWORD) or SIGN_CERT and SIGN_KEY are given (see the README).
dist: deps
	@tools/make-dist.sh $(BUILD)/dist dist

# The shipped i686 exe, on every host: built a second time, as make dist builds it, it must have
# the same bytes, and its make-up is checked even where the tests run a 64-bit build.
shipped: deps
	@tools/check-shipped-exe.sh $(BUILD) $(ARCH)
