# Tidewarm: set-up, build, tests and the main job on a Debian machine.
PACKAGES := cmake make g++ libgtest-dev libgmock-dev libbenchmark-dev clang-format \
            libsqlite3-dev libsqlitecpp-dev \
            pkg-config libgd-dev libfontconfig-dev fonts-dejavu-core
JOBS := $(shell nproc)
SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

.PHONY: deps build test run format format-check clean

# Installs the Debian packages the project needs, only when some are missing.
deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	    echo "Installing:$$missing"; \
	    $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y $$missing; \
	fi

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
	cmake --build build -j $(JOBS)

# The tests run under AddressSanitizer and UndefinedBehaviorSanitizer in their own build tree.
test: deps format-check
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTIDEWARM_SANITIZE=ON -DTIDEWARM_BENCHMARKS=OFF
	cmake --build build-asan -j $(JOBS)
	ctest --test-dir build-asan --output-on-failure -j $(JOBS)

# The sample run: a synthetic climate file and a batch input in the user's data folder, then
# TidewarmPro in batch mode as the front end starts it, then the season's monthly results.
run: build
	build/tools/sample_run prepare
	build/bin/TidewarmPro -batch
	build/tools/sample_run show

SOURCES = $(shell find library platform exchange simulator frontend report tools tests benchmarks \
                 \( -name '*.cpp' -o -name '*.h' \) 2>/dev/null)

format:
	clang-format -i $(SOURCES)

# Fails on any source file that `make format` would change.
format-check: deps
	@clang-format --dry-run -Werror $(SOURCES)

clean:
	rm -rf build build-asan
