# The project's commands: `make run` starts the installer under Wine, `make test` builds and runs
# every test, `make bench` prints the benchmarks. Each installs what is missing first.
BUILD ?= build
JOBS ?= 2

.PHONY: deps test bench run configure

deps:
	@tools/install-deps.sh

# Tests run in the 32-bit build where this host can run 32-bit Windows programs, and otherwise in
# a 64-bit build of the same sources; the shipped installer is always the 32-bit one.
test: deps
	@arch=$$(tools/host-runs-win32.sh && echo i686 || echo x86_64); \
	echo "Testing the $$arch build"; \
	cmake -S . -B $(BUILD)/$$arch -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-$$arch.cmake >/dev/null && \
	cmake --build $(BUILD)/$$arch -j$(JOBS) -- --no-print-directory && \
	tools/wine-session.sh $(BUILD)/$$arch ctest --test-dir $(BUILD)/$$arch --output-on-failure

# Builds the installer and starts it under Wine in a demo prefix seeded with sample editors
# (tools/run-demo.sh); without a display it saves a picture of the window instead.
run: deps
	@arch=$$(tools/host-runs-win32.sh && echo i686 || echo x86_64); \
	cmake -S . -B $(BUILD)/$$arch -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-$$arch.cmake >/dev/null && \
	cmake --build $(BUILD)/$$arch -j$(JOBS) --target glimmerion-setup demo_snapshot -- --no-print-directory && \
	tools/run-demo.sh $(BUILD)/$$arch
