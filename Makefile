# Tidewarm: set-up, build, tests and the main job on a Debian machine.
PACKAGES := cmake make g++ libgtest-dev libgmock-dev libbenchmark-dev clang-format \
            libwxgtk3.2-dev libwxgtk-webview3.2-dev wx3.2-i18n xvfb xauth xdotool openbox \
            libsqlite3-dev libsqlitecpp-dev libc-l10n \
            pkg-config libgd-dev libfontconfig-dev fonts-dejavu-core \
            libwebkit2gtk-4.0-dev libpoppler-glib-dev poppler-utils
# The fuzz build only: clang and its runtime libraries (libFuzzer, sanitizers) of the same version.
FUZZ_PACKAGES := cmake make clang libclang-rt-dev
JOBS := $(shell nproc)
# ON: compiler warnings fail `make test` and `make build` (as in continuous integration).
TIDEWARM_WERROR ?= OFF
SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)
# Seconds each fuzz target runs in `make fuzz`.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = $(notdir $(wildcard fuzz/seeds/*))

# `make coverage` only: gcovr reports the line coverage of the tests.
COVERAGE_PACKAGES := gcovr

.PHONY: deps fuzz-deps coverage-deps build test test-clang coverage bench run fuzz format \
        format-check clean

# Installs the Debian packages of a list, only when some are missing.
define install_missing
	@missing=""; \
	for p in $(1); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	    echo "Installing:$$missing"; \
	    $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y $$missing; \
	fi
endef

deps:
	$(call install_missing,$(PACKAGES))

fuzz-deps:
	$(call install_missing,$(FUZZ_PACKAGES))

coverage-deps:
	$(call install_missing,$(COVERAGE_PACKAGES))

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTIDEWARM_WERROR=$(TIDEWARM_WERROR)
	cmake --build build -j $(JOBS)

# The tests run under AddressSanitizer and UndefinedBehaviorSanitizer in their own build tree.
test: deps format-check
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTIDEWARM_SANITIZE=ON -DTIDEWARM_BENCHMARKS=OFF \
	    -DTIDEWARM_WERROR=$(TIDEWARM_WERROR)
	cmake --build build-asan -j $(JOBS)
	ctest --test-dir build-asan --output-on-failure -j $(JOBS)

# The same tests built with clang (its sanitizers and its warnings) in their own tree.
test-clang: deps fuzz-deps
	cmake -S . -B build-clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DTIDEWARM_SANITIZE=ON -DTIDEWARM_BENCHMARKS=OFF -DTIDEWARM_WERROR=$(TIDEWARM_WERROR)
	cmake --build build-clang -j $(JOBS)
	ctest --test-dir build-clang --output-on-failure -j $(JOBS)

# Line coverage of the tests: an instrumented build of its own, every test run, then gcovr's
# summary of the project's code (tests, benchmarks, fuzz entries and tools left out).
coverage: deps coverage-deps
	cmake -S . -B build-coverage -DCMAKE_BUILD_TYPE=Debug -DTIDEWARM_BENCHMARKS=OFF \
	    -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage \
	    -DCMAKE_SHARED_LINKER_FLAGS=--coverage -DCMAKE_MODULE_LINKER_FLAGS=--coverage
	find build-coverage -name '*.gcda' -delete
	cmake --build build-coverage -j $(JOBS)
	ctest --test-dir build-coverage -j $(JOBS) -R '_tests$$' > build-coverage/tests.log || \
	    { tail -20 build-coverage/tests.log; exit 1; }
	gcovr -r . build-coverage -j $(JOBS) --exclude 'tests/' --exclude 'benchmarks/' \
	    --exclude 'fuzz/' --exclude 'tools/' --exclude 'build-coverage/' --print-summary \
	    --txt build-coverage/coverage.txt

# The season benchmark of the Release build: BENCH_REPETITIONS runs of each plant, with and without
# the reference pass, and of `TidewarmPro -batch` started as the front end starts it (a full year
# with the reference pass, and one day), and of a year of weather read from a text table; prints
# the median of each (wall and CPU time; the process's time is its wall time).
BENCH_REPETITIONS ?= 5
bench: build
	@build/bin/season_benchmark --benchmark_repetitions=$(BENCH_REPETITIONS) \
	    --benchmark_report_aggregates_only=true | grep -E '^Benchmark|_median'

# Tidewarm, the installers' program, when a display is available, its data folder's Climate
# folder given the sample climate file when it holds none; without a display, the sample run
# through the front end's chain: that climate file, the database, a sample run simulated by
# TidewarmPro in batch mode, its results and economics stored and printed, its report built.
run: build
	@if [ -n "$$DISPLAY" ] && [ -x build/bin/Tidewarm ]; then \
	    build/tools/sample_run build/bin --climate && build/bin/Tidewarm; \
	else \
	    echo "No display (DISPLAY is not set) or no windows built: running the headless sample run."; \
	    build/tools/sample_run build/bin; \
	fi

# Each fuzz target runs FUZZ_SECONDS from its seeds (fuzz/seeds/<target>), its corpus kept in
# build-fuzz/corpus; a crash stops here, its input saved as build-fuzz/crash-<target>-*. Keep a
# crash's input in fuzz/reproducers/<target>/ once mended: `make test` replays it. Each target
# works in a temporary folder of its own (TMPDIR), removed when it ends however it ends.
fuzz: fuzz-deps
	cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	    -DTIDEWARM_FUZZ=ON -DTIDEWARM_TESTS=OFF -DTIDEWARM_BENCHMARKS=OFF -DTIDEWARM_GUI=OFF
	cmake --build build-fuzz -j $(JOBS)
	@cd build-fuzz && for t in $(FUZZ_TARGETS); do \
	    echo "Fuzzing $$t for $(FUZZ_SECONDS) s"; \
	    mkdir -p corpus/$$t work-$$t && \
	    TMPDIR=$$PWD/work-$$t bin/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
	        -print_final_stats=1 -artifact_prefix=$$PWD/crash-$$t- $$PWD/corpus/$$t \
	        $(CURDIR)/fuzz/seeds/$$t; \
	    status=$$?; rm -rf work-$$t; [ $$status -eq 0 ] || exit 1; \
	done

SOURCES = $(shell find library platform exchange simulator frontend report tools tests benchmarks fuzz \
                 \( -name '*.cpp' -o -name '*.h' \) 2>/dev/null)

format:
	clang-format -i $(SOURCES)

# Fails on any source file that `make format` would change.
format-check: deps
	@clang-format --dry-run -Werror $(SOURCES)

clean:
	rm -rf build build-asan build-clang build-coverage build-fuzz
