# fish completion for tintavo
set -l commands color contrast pick capture edit gradient sphere icon
set -l formats hex hex-lower hex-short rgb rgb-legacy hsl hwb lab oklch hsv cmyk vb delphi c decimal name

complete -c tintavo -f
complete -c tintavo -n "not __fish_seen_subcommand_from $commands" -a color -d 'Print a colour in every notation'
complete -c tintavo -n "not __fish_seen_subcommand_from $commands" -a pick -d 'Pick a colour on the screen'
complete -c tintavo -n "not __fish_seen_subcommand_from $commands" -a contrast -d 'How text of one colour reads on another'
complete -c tintavo -n "not __fish_seen_subcommand_from $commands" -a capture -d 'Capture the screen'
complete -c tintavo -n "not __fish_seen_subcommand_from $commands" -a edit -d 'Mark up a picture in the screenshot editor'
complete -c tintavo -n "__fish_seen_subcommand_from edit" -s o -l output -r -F -d 'Where Ctrl+S saves'
complete -c tintavo -n "not __fish_seen_subcommand_from $commands" -a gradient -d 'Draw a linear gradient'
complete -c tintavo -n "not __fish_seen_subcommand_from $commands" -a sphere -d 'Draw a spherical gradient'
complete -c tintavo -n "not __fish_seen_subcommand_from $commands" -a icon -d 'Convert a picture into an icon'
complete -c tintavo -n "not __fish_seen_subcommand_from $commands" -l version -d 'Show the version'
complete -c tintavo -s h -l help -d 'Show help'

complete -c tintavo -n "__fish_seen_subcommand_from color pick" -s f -l format -x -a "$formats" -d 'Notation to print'
complete -c tintavo -n "__fish_seen_subcommand_from color" -l harmony -x -a "complementary analogous triadic split-complementary tetradic" -d 'Colours of a hue harmony'
complete -c tintavo -n "__fish_seen_subcommand_from color" -l tints -x -d 'Steps toward white'
complete -c tintavo -n "__fish_seen_subcommand_from color" -l shades -x -d 'Steps toward black'
complete -c tintavo -n "__fish_seen_subcommand_from color" -l tones -x -d 'Steps toward grey'
complete -c tintavo -n "__fish_seen_subcommand_from pick" -l copy -d 'Copy it, serve the clipboard and notify'
complete -c tintavo -n "__fish_seen_subcommand_from color pick" -l template -x -d 'Template of your own, such as Color(0xFF%Rh%Gh%Bh)'

complete -c tintavo -n "__fish_seen_subcommand_from capture" -l region -x -d 'Region X,Y,W,H in physical pixels'
complete -c tintavo -n "__fish_seen_subcommand_from capture" -l select -d 'Draw the region with the mouse'
complete -c tintavo -n "__fish_seen_subcommand_from capture" -l edit -d 'The screenshot editor: select, mark up, copy or save'
complete -c tintavo -n "__fish_seen_subcommand_from capture" -l pin -d 'Pin the picture to the screen'
complete -c tintavo -n "__fish_seen_subcommand_from capture" -l last-region -d 'The region drawn last'
complete -c tintavo -n "__fish_seen_subcommand_from capture" -l window -d 'The active window'
complete -c tintavo -n "__fish_seen_subcommand_from capture" -l no-decorations -d 'The window without its frame'
complete -c tintavo -n "__fish_seen_subcommand_from capture" -l delay -x -d 'Seconds before the capture'
complete -c tintavo -n "__fish_seen_subcommand_from capture" -l quality -x -d 'JPEG or WebP quality 0-100'
complete -c tintavo -n "__fish_seen_subcommand_from capture" -l clipboard -d 'Put the picture on the clipboard'

complete -c tintavo -n "__fish_seen_subcommand_from gradient" -l colors -x -d 'Two to four colours'
complete -c tintavo -n "__fish_seen_subcommand_from gradient" -l orientation -x -a 'horizontal vertical diagonal-down diagonal-up'
complete -c tintavo -n "__fish_seen_subcommand_from gradient" -l from-css -x -d 'A CSS gradient to render'
complete -c tintavo -n "__fish_seen_subcommand_from gradient sphere" -l size -x -d 'Surface WxH'
complete -c tintavo -n "__fish_seen_subcommand_from gradient sphere" -l css -d 'Print as CSS'
complete -c tintavo -n "__fish_seen_subcommand_from sphere" -l centre -l center -x -d 'Centre colour'
complete -c tintavo -n "__fish_seen_subcommand_from sphere" -l rim -x -d 'Rim colour'
complete -c tintavo -n "__fish_seen_subcommand_from sphere" -l sphere -x -d 'Sphere WxH'

complete -c tintavo -n "__fish_seen_subcommand_from icon" -l depth -x -a '1 4 8 16 24 32' -d 'Bits per pixel'
complete -c tintavo -n "__fish_seen_subcommand_from icon" -l transparent -x -d 'Transparent colour'
complete -c tintavo -n "__fish_seen_subcommand_from icon" -l sizes -x -a '16,32,48,256 16,24,32,48,64,128,256' -d 'Sizes of a multi-size icon'
complete -c tintavo -n "__fish_seen_subcommand_from icon" -l favicon-set -x -a '(__fish_complete_directories)' -d 'Folder for the favicon set'
complete -c tintavo -n "__fish_seen_subcommand_from icon" -l background -x -d 'Background of the touch icon'
complete -c tintavo -n "__fish_seen_subcommand_from icon" -l name -x -d 'Name of the site in the manifest'
complete -c tintavo -n "__fish_seen_subcommand_from icon" -l crop -d 'Crop a picture that is not square'
complete -c tintavo -n "__fish_seen_subcommand_from icon" -l force -d 'Replace the files of the set'
complete -c tintavo -n "__fish_seen_subcommand_from icon" -F

complete -c tintavo -n "__fish_seen_subcommand_from capture gradient sphere icon" -s o -l output -r -F -d 'Output file'
