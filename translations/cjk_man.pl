#!/usr/bin/perl
# SPDX-License-Identifier: GPL-3.0-or-later
# Readies a manual page written in Chinese for groff, which breaks lines at spaces only: a line
# may break between any two characters, though not before closing punctuation; lines joined in
# the source are joined without a space, as Chinese is written; and lines are not stretched to
# the margin, which would open gaps around the Latin words.
#   cjk_man.pl PAGE
use strict;
use warnings;
use utf8;
use open qw(:std :encoding(UTF-8));

my $wide = qr/[\p{Han}\x{3000}-\x{303F}\x{FF00}-\x{FFEF}\x{201C}\x{201D}]/;
my $opening = qr/[\x{3008}\x{300A}\x{300C}\x{300E}\x{3010}\x{FF08}\x{201C}]/;
my $closing = qr/[\x{3001}\x{3002}\x{3009}\x{300B}\x{300D}\x{300F}\x{3011}\x{FF09}\x{FF0C}\x{FF1A}\x{FF1B}\x{FF01}\x{FF1F}\x{201D}]/;
my ($page) = @ARGV;
open(my $in, '<', $page) or die "$page: $!\n";
my @lines = <$in>;
close $in;
for my $i (0 .. $#lines) {
    next if $lines[$i] =~ /^[.']/;
    $lines[$i] =~ s/(?<=$wide)(?<!$opening)(?=$wide)(?!$closing)/\\:/g;
    $lines[$i] =~ s/(?<=$wide)\n/\\c\n/ if $i < $#lines && $lines[$i + 1] =~ /^$wide/;
}
s/^(\.TH .*\n)/$1.ad l\n/ for @lines;
open(my $out, '>', $page) or die "$page: $!\n";
print $out @lines;
