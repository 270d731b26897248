# The add, edit and delete journey on a catalogue in a folder named in Greek and
# Japanese, on a system whose ANSI code page (1252) has neither script: the editor is
# started on the file there, as "Edit with Orvane" starts it, its title names the
# folder, and each step is saved there. Sourced by journey_add_edit_delete.sh after
# journey_start.
folder="Ελληνικά 日本"
mkdir "$journey_dir/$folder"
mv "$journey_dir/Progr.ini" "$journey_dir/$folder/Progr.ini"
# The checks read Progr.ini in the journey's folder.
ln -s "$folder/Progr.ini" "$journey_dir/Progr.ini"
printf '#!/bin/sh\nexec "%s" "%s"\n' "$journey_orvane" "$folder\\Progr.ini" >"$journey_dir/start-in-folder"
chmod +x "$journey_dir/start-in-folder"
journey_orvane=$journey_dir/start-in-folder
journey_title="Orvane - [A-Z]:.*\\\\$folder\\\\Progr\\.ini"
. "$journey_root/tests/journeys/add_edit_delete_steps.bash"
echo "passed in \"$folder\", named in the title"
