"""Writes a GFF3 annotation, as Ensembl writes one, of the exons that a
package's cexons.txt and exon_frames.txt describe: a gene and an mRNA per
transcript name (the exon name before ".exon"), an exon line per exon and a
CDS line for its coding part, with the phase its start frame gives.

usage: python3 package_annotation.py FEATURE_FOLDER FASTA > genes.gff3
"""
import sys


def chromosome_offsets(fasta):
    offsets, name, length, offset = {}, None, 0, 0
    for line in open(fasta):
        line = line.rstrip("\n")
        if line.startswith(">"):
            if name is not None:
                offset += length + 50 - length % 50
            name, length = line[1:].split()[0], 0
            offsets[name] = offset
        else:
            length += len(line)
    return offsets


def groups(path, size):
    lines = open(path).read().split("\n")
    return [lines[i:i + size] for i in range(0, len(lines) - size + 1, size)]


def main(folder, fasta):
    offsets = chromosome_offsets(fasta)
    frames = {g[0]: (int(g[1]), int(g[2]), int(g[3])) for g in groups(folder + "/exon_frames.txt", 4)}
    transcripts = {}  # name: (chromosome, forward, [(first, last, exon name)]), in file order
    for name, start, end, chromosome, strand in groups(folder + "/cexons.txt", 5):
        first = int(start) + 1 - offsets[chromosome]
        last = int(end) + 1 - offsets[chromosome]
        transcript = transcripts.setdefault(name[:name.index(".exon")], (chromosome, strand == "1", []))
        transcript[2].append((first, last, name))
    print("##gff-version 3")
    for transcript, (chromosome, forward, exons) in transcripts.items():
        sign = "+" if forward else "-"
        low = str(min(e[0] for e in exons))
        high = str(max(e[1] for e in exons))

        def line(kind, first, last, phase, attributes):
            print("\t".join([chromosome, "test", kind, str(first), str(last), ".", sign, phase, attributes]))

        line("gene", low, high, ".", f"ID=gene:{transcript};Name={transcript};biotype=protein_coding")
        line("mRNA", low, high, ".", f"ID=transcript:{transcript};Parent=gene:{transcript};biotype=protein_coding")
        for first, last, name in exons:
            line("exon", first, last, ".", f"Parent=transcript:{transcript}")
            five, three, start_frame = frames[name]
            if five + three < last - first + 1:
                coding = (first + five, last - three) if forward else (first + three, last - five)
                line("CDS", coding[0], coding[1], str((4 - start_frame) % 3),
                     f"ID=CDS:{transcript};Parent=transcript:{transcript}")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
