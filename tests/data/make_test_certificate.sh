#!/bin/sh
# The test maker's code-signing certificate, self-signed, as docs/disc_tool.md tells a maker
# to make one for trying --sign: DIR/maker.pfx (its password in DIR/password), DIR/maker.pem.
#   make_test_certificate.sh DIR
set -eu
dir=$1
mkdir -p "$dir"
umask 077
printf 'lumora-test\n' > "$dir/password"
openssl req -x509 -newkey rsa:2048 -nodes -keyout "$dir/maker.key" -out "$dir/maker.pem" -days 3650 \
  -subj "/CN=Lumora Test Maker/O=Lumora Tests" -addext "extendedKeyUsage=codeSigning" 2>/dev/null
openssl pkcs12 -export -inkey "$dir/maker.key" -in "$dir/maker.pem" -out "$dir/maker.pfx" -passout "file:$dir/password"
rm -f "$dir/maker.key"
