# Sourced by the test script and the print benchmark: a running CUPS
# scheduler with two PDF queues that Wine sees as printers, "PDF" (the
# system's default printer) and "PDF2", each writing its files into a folder
# of its own. Needs root (it starts cupsd and adds queues); safe to run again.
# Exports ORVA_PDF_OUT and ORVA_PDF2_OUT: the queues' output folders for the
# user who prints.

PDF_CONF=/etc/cups/cups-pdf.conf
PDF2_CONF=/etc/cups/cups-pdf-second.conf # the backend's instance "second"
PDF_PPD=lsb/usr/cups-pdf/CUPS-PDF_opt.ppd

# The folder that a cups-pdf configuration sends the files of `user` to:
# its Out key (default /var/spool/cups-pdf/${USER}) with ${HOME} and ${USER}.
pdf_out_folder() {
  local conf="$1" user="$2" out home
  out=$(sed -n 's/^[[:space:]]*Out[[:space:]]\+//p' "$conf" | tail -1)
  [ -n "$out" ] || out='/var/spool/cups-pdf/${USER}'
  home=$(getent passwd "$user" | cut -d: -f6)
  out="${out//\$\{HOME\}/$home}"
  echo "${out//\$\{USER\}/$user}"
}

print_queues_up() {
  if ! command -v cupsd >/dev/null || [ ! -f "$PDF_CONF" ]; then
    echo "printers.sh: cups and printer-driver-cups-pdf are not installed" >&2
    return 1
  fi
  if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
    mkdir -p /run/cups
    cupsd || return 1
    local i
    for i in $(seq 50); do lpstat -r 2>/dev/null | grep -q 'is running' && break; sleep 0.2; done
  fi
  # The second instance: the same settings with its own output folder.
  if [ ! -f "$PDF2_CONF" ]; then
    { grep -v '^[[:space:]]*Out[[:space:]]' "$PDF_CONF"; echo 'Out ${HOME}/PDF-second'; } > "$PDF2_CONF"
  fi
  lpstat -v PDF >/dev/null 2>&1 || lpadmin -p PDF -E -v cups-pdf:/ -m "$PDF_PPD" 2>/dev/null || return 1
  lpstat -v PDF2 >/dev/null 2>&1 || lpadmin -p PDF2 -E -v cups-pdf:/second -m "$PDF_PPD" 2>/dev/null || return 1
  cupsenable PDF PDF2 && cupsaccept PDF PDF2
  lpadmin -d PDF
  local user
  user=$(id -un)
  ORVA_PDF_OUT=$(pdf_out_folder "$PDF_CONF" "$user")
  ORVA_PDF2_OUT=$(pdf_out_folder "$PDF2_CONF" "$user")
  export ORVA_PDF_OUT ORVA_PDF2_OUT
}
