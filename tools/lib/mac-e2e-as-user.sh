#!/usr/bin/env bash
# Runs the application's end-to-end scenarios whose course depends on who runs them once more as an ordinary user (made if missing), from a copy that user owns: run by root, it shows that the tests need no root.
set -euo pipefail
source "$(dirname "$0")/root.sh"

user=${KESTRUNE_TEST_USER:-kestrune-tester}
app_bundle="$KESTRUNE_ROOT/build/linux/mac/Kestrune.app"
record_tool="$KESTRUNE_ROOT/build/linux/tests/e2e/kestrune-record"
shots="$KESTRUNE_ROOT/build/e2e-screenshots-as-user"

if [ "$(id -u)" -ne 0 ]; then
  echo "e2e as user: needs root to act as another user" >&2
  exit 2
fi
if ! id -u "$user" >/dev/null 2>&1; then
  echo "e2e as user: adding the system user $user"
  # Another run may add it at the same moment.
  useradd --system --no-create-home --shell /usr/sbin/nologin "$user" || id -u "$user" >/dev/null
fi

# The checkout may lie where the user cannot read (under /root): the scenarios run from a copy
# of the scripts, the interface file they take places from, the built application and the tool
# that reads the settings files.
stage=$(mktemp -d /tmp/kestrune-e2e-as-user.XXXXXX)
trap 'rm -rf "$stage"' EXIT
cp -r "$KESTRUNE_ROOT/tools" "$KESTRUNE_ROOT/tests" "$KESTRUNE_ROOT/mac" "$stage/"
cp -r "$app_bundle" "$stage/Kestrune.app"
cp "$record_tool" "$stage/"
mkdir "$stage/screenshots"
chown -R "$user" "$stage"

passed=0 failed=0
# A session in a user namespace, a desktop folder the first save creates, permissions that root
# would pass by, and a card that is a tmpfs instead of a FAT image: the other scenarios run the
# same way for anyone, once is enough.
scenarios=(
  first_run_saves_the_defaults
  unreadable_file_is_named_before_the_window
  unusable_path_saves_nothing
  saves_to_the_card
)
for name in "${scenarios[@]}"; do
  scenario="$stage/tests/mac/e2e/$name.sh"
  # Without DISPLAY each scenario starts an X server of its own, as the user.
  if runuser -u "$user" -- env -u DISPLAY -u KESTRUNE_GNUSTEP_NAMESPACE \
    bash "$scenario" "$stage" "$stage/Kestrune.app/Kestrune" "$stage/screenshots" \
    "$stage/kestrune-record"; then
    passed=$((passed + 1))
  else
    echo "e2e as user: $(basename "$scenario") FAILED" >&2
    failed=$((failed + 1))
  fi
done

if [ "$failed" -gt 0 ]; then
  rm -rf "$shots"
  cp -r "$stage/screenshots" "$shots"
  echo "e2e as user: screenshots and logs in $shots" >&2
fi
echo "$passed scenarios passed, $failed failed, as $user"
[ "$failed" -eq 0 ]
