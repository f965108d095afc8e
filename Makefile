# Two entry points: `make run` builds and starts the game, `make test` builds and runs every test.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

SANITIZE_FLAGS = -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined

.PHONY: run test test-sanitize deps configure build bench package clean

run: build
	./scripts/run-game.sh $(BUILD)

# In CI (CI set) the tests run a second time, built with AddressSanitizer and
# UndefinedBehaviorSanitizer.
test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
ifdef CI
	$(MAKE) test-sanitize
endif

test-sanitize: deps
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
		-DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)"
	cmake --build build-asan -j $(JOBS)
	cd build-asan && LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
		ctest --output-on-failure -j $(JOBS)

deps:
	./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

bench: deps
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANTE_BUILD_TESTS=OFF -DORVANTE_BUILD_BENCH=ON
	cmake --build build-bench -j $(JOBS) --target engine-bench orvante-engine
	./bench/run.sh build-bench

# The Debian package orvante_<version>_<arch>.deb, made here by CPack from a Release build of
# its own that builds only what the package installs.
package: deps
	cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANTE_BUILD_TESTS=OFF
	cmake --build build-package -j $(JOBS) --target orvante orvante-engine orvante-docs
	cd build-package && cpack

clean:
	rm -rf $(BUILD) build-bench build-asan build-fuzz build-package
