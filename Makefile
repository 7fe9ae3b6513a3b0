# The two commands: `make run` and `make test`. Both install what is missing
# first (Debian 12), then configure and build with CMake.

MAKEFLAGS += --no-print-directory
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
BUILD ?= build
TEST_BUILD ?= build-test
BENCH_BUILD ?= build-bench
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = collection wrap richtext settings traytext

.PHONY: run build test tidy package bench fuzz deps clean

# The date of the last change, for everything a build dates (the package's
# files): the commit's, or the top CMakeLists.txt's outside a git checkout.
SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct 2>/dev/null || stat -c %Y CMakeLists.txt)
export SOURCE_DATE_EPOCH
# Qt's resource compiler dates the images it builds in by this instead.
export QT_RCC_SOURCE_DATE_OVERRIDE = $(SOURCE_DATE_EPOCH)

deps:
	@tools/install-deps

# Built with the distribution's hardening (stack protector, fortified
# functions, read-only relocations, immediate binding), as its packages are.
HARDENING = DEB_BUILD_MAINT_OPTIONS=hardening=+all
# The folders of the sources and of the build as "." in what the compiler
# writes (where several match, the last one counts), so that where the tree
# lies does not change the program.
PATH_MAP = -ffile-prefix-map=$(CURDIR)=. -ffile-prefix-map=$(CURDIR)/$(BUILD)=.
build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAGROTA_BUILD_TESTS=OFF \
	    -DCMAKE_CXX_FLAGS="$$($(HARDENING) dpkg-buildflags --get CXXFLAGS) $$($(HARDENING) dpkg-buildflags --get CPPFLAGS) $(PATH_MAP)" \
	    -DCMAKE_EXE_LINKER_FLAGS="$$($(HARDENING) dpkg-buildflags --get LDFLAGS)" \
	    -DCMAKE_MODULE_LINKER_FLAGS="$$($(HARDENING) dpkg-buildflags --get LDFLAGS)"
	cmake --build $(BUILD) -j $(JOBS)

# Tagrota is a desktop program: it needs a desktop session (or a virtual
# display: `xvfb-run make run`).
run: build
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	    echo "No display to open the window on: run this in a desktop session," \
	         "or under a virtual display with: xvfb-run make run"; exit 1; fi
	$(BUILD)/Tagrota/tagrota

# Every test, under AddressSanitizer and UndefinedBehaviorSanitizer, built with
# warnings as errors (the tests include the layers' include check and the
# format check); then the Debian package, built twice in two folders to the
# same bytes, unpacked and run as a user would (APT_INSTALL=1 also installs and
# removes it with apt-get: for a throw-away machine, as root).
test: deps
	cmake -S . -B $(TEST_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTAGROTA_SANITIZE=ON -DTAGROTA_WERROR=ON
	cmake --build $(TEST_BUILD) -j $(JOBS)
	cd $(TEST_BUILD) && ctest --output-on-failure -j $(JOBS)
	@$(MAKE) package
	@$(MAKE) package BUILD=$(BUILD)-twin
	sh tests/twin_packages.sh "$$(ls -t $(BUILD)/tagrota_*.deb | head -n 1)" "$$(ls -t $(BUILD)-twin/tagrota_*.deb | head -n 1)"
	APT_INSTALL=$(APT_INSTALL) sh tests/installed_copy.sh package "$$(ls -t $(BUILD)/tagrota_*.deb | head -n 1)"
	lintian --fail-on error,warning "$$(ls -t $(BUILD)/tagrota_*.deb | head -n 1)"

# clang-tidy's checks (.clang-tidy) over the program's sources, with the
# compile commands of the test build.
tidy: deps
	cmake -S . -B $(TEST_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTAGROTA_SANITIZE=ON -DTAGROTA_WERROR=ON
	cmake --build $(TEST_BUILD) --target tagrota_qt_autogen -j $(JOBS)
	run-clang-tidy -quiet -j $(JOBS) -p $(TEST_BUILD) '^$(CURDIR)/(src|app)/.*\.cpp$$'

# The Debian package, in $(BUILD)/.
package: build
	cd $(BUILD) && cpack -G DEB

bench: deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DTAGROTA_BUILD_TESTS=OFF -DTAGROTA_BUILD_BENCH=ON
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	$(BENCH_BUILD)/bench/tagrota_bench
	$(BENCH_BUILD)/bench/tagrota_table
	$(BENCH_BUILD)/bench/tagrota_editor_table
	$(BENCH_BUILD)/bench/tagrota_print_table

# Each fuzz target for FUZZ_SECONDS seconds, under ASan and UBSan (clang).
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAGROTA_BUILD_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	fuzz/run $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

clean:
	rm -rf $(BUILD) $(BUILD)-twin $(TEST_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD)
